#pragma once

namespace krellix {

// The product's version text (with its trailing blank) and copyright notice.
inline constexpr const char* kVersion = "Version 1.2.2 ";
inline constexpr const char* kCopyright = "Copyright (c) 2003-2025 The Krellix authors";
// The application title.
inline constexpr const char* kApplicationTitle = "Krellix 1.2";

}  // namespace krellix
