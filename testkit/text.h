// Text conversion between the wide strings that cross-process window messages
// carry and the ANSI strings that faximport itself works with.
#pragma once

#include <string>

namespace testkit {

std::string Narrow(const std::wstring& text);
std::wstring Widen(const std::string& text);

} // namespace testkit
