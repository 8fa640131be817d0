#pragma once

#include <QString>
#include <QWidget>
#include <QtGlobal>

namespace krellix::test {

// The control of `dialog` with the object name `name`; a missing one ends the test program.
template <typename T>
T* FindControl(QWidget& dialog, const QString& name) {
  T* widget = dialog.findChild<T*>(name);
  if (widget == nullptr) qFatal("no control %s", qPrintable(name));
  return widget;
}

}  // namespace krellix::test
