#include "platform/win32/system_message.h"

#include "platform/win32/wide_text.h"

namespace tessaro::win32 {

std::string SystemMessage(DWORD code) {
    wchar_t buffer[1024] = {};
    DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                             code, 0, buffer, static_cast<DWORD>(std::size(buffer)), nullptr);
    std::wstring text(buffer, n);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) {
        text.pop_back();
    }
    // A code without a text of its own still has to tell the user something.
    if (text.empty())
        return "System error " + std::to_string(code) + ".";
    return Narrow(text);
}

}  // namespace tessaro::win32
