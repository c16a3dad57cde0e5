// printf-style formatting into std::string, and the argument adapter that lets
// callers hand std::string values to the printf-style reporting functions.
#pragma once

#include <cstdarg>
#include <string>
#include <string_view>
#include <type_traits>

namespace zedra {

// Formats like vsnprintf, but into a string of whatever length is needed.
std::string vformat(const char* format, std::va_list args);
std::string format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// `text` fit for a message: control characters (below 32, and 127) as C
// octal escapes ("\001"), so that a stray byte of the input shows in the
// message instead of acting on the terminal or ending the text early.
std::string printable(std::string_view text);

namespace detail {
// Converts one argument for a C variadic call: strings become their C text,
// numbers, characters and pointers pass unchanged. A null text becomes
// "(null)" so that a missing name never reaches %s as a null pointer.
inline const char* c_arg(const std::string& text) { return text.c_str(); }
inline const char* c_arg(const char* text) { return text ? text : "(null)"; }
inline const char* c_arg(char* text) { return text ? text : "(null)"; }
template <class T>
  requires(std::is_arithmetic_v<T> || std::is_pointer_v<T>)
T c_arg(T value) {
  return value;
}
}  // namespace detail

}  // namespace zedra
