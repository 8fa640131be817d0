#pragma once

#include <QColor>
#include <QFont>

#include "settings/app_settings.h"
#include "widgets/qt_text.h"

namespace krellix {

// A font description of the core as a Qt font (its colour is kept apart, in ColorOf).
inline QFont ToQFont(const FontFace& face) {
  QFont font(ToQt(face.family), face.point_size);
  font.setBold(face.bold);
  font.setItalic(face.italic);
  font.setUnderline(face.underline);
  font.setStrikeOut(face.strike_out);
  return font;
}

// `face` taking what a font dialog chose; the dialog picks no colour, so the colour stays.
inline FontFace FromQFont(const QFont& font, FontFace face) {
  face.family = FromQt(font.family());
  if (font.pointSize() > 0) face.point_size = font.pointSize();
  face.bold = font.bold();
  face.italic = font.italic();
  face.underline = font.underline();
  face.strike_out = font.strikeOut();
  return face;
}

inline QColor ColorOf(const FontFace& face) { return QColor::fromRgb(face.rgb); }

}  // namespace krellix
