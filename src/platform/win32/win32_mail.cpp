// Mail through Simple MAPI: the message goes to the system's mail client, which shows it in
// its compose window.

#include "platform/win32/system_library.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"

namespace velmora {
namespace {

// The system enables Simple MAPI with the text "1" in this value, and only with that text.
// The program reads its own registry view: the one that belongs to the MAPI32.DLL of its
// system folder. (Windows before NT 3.51 kept the switch in WIN.INI; the program does not
// run there.)
bool SimpleMapiEnabled() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows Messaging Subsystem", 0,
                      KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    wchar_t value[5] = {};
    DWORD size = sizeof value - sizeof value[0];  // a longer value does not fit and is not "1"
    DWORD type = 0;
    const LONG read =
        RegQueryValueExW(key, L"MAPI", nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    return read == ERROR_SUCCESS && type == REG_SZ && std::wstring(value) == L"1";
}

// A path in the ANSI code page that Simple MAPI takes. A name the code page cannot hold is
// given in its short form, which it can, where the volume keeps short names.
std::string AnsiPath(const std::string& path) {
    const std::string ansi = Utf8ToAnsi(path);
    if (AnsiToUtf8(ansi) == path) return ansi;
    const std::wstring wide = Wide(path);
    std::wstring brief(GetShortPathNameW(wide.c_str(), nullptr, 0), L'\0');
    const DWORD length = GetShortPathNameW(wide.c_str(), brief.data(), brief.size());
    if (length == 0 || length >= brief.size()) return ansi;
    brief.resize(length);
    return Utf8ToAnsi(Utf8(brief));
}

}  // namespace

SimpleMapi::~SimpleMapi() {
    if (library_) FreeLibrary(library_);
}

void SimpleMapi::Send(const MailMessage& mail) {
    if (!bound_) {
        bound_ = true;
        if (SimpleMapiEnabled()) {
            library_ = LoadSystemLibrary(L"MAPI32.DLL");
            Bind(library_, "MAPISendMail", sendMail_);
        }
    }
    if (!sendMail_) return;

    std::string subject = Utf8ToAnsi(mail.subject);
    std::string address = Utf8ToAnsi(mail.recipientAddress);
    std::string path = AnsiPath(mail.attachmentPath);
    MapiRecipDesc recipient = {};
    recipient.ulRecipClass = MAPI_TO;
    recipient.lpszAddress = address.data();
    MapiFileDesc attachment = {};
    attachment.nPosition = 2;
    attachment.lpszPathName = path.data();
    MapiMessage message = {};
    message.lpszSubject = subject.data();
    message.nRecipCount = 1;
    message.lpRecips = &recipient;
    message.nFileCount = 1;
    message.lpFiles = &attachment;
    // Whether the user sent the mail, discarded it, or the client failed is the client's
    // business: the result is not looked at.
    sendMail_(0, 0, &message, MAPI_LOGON_UI | MAPI_DIALOG, 0);
}

}  // namespace velmora
