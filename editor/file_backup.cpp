#include "editor/file_backup.h"
#include "editor/file_access.h"

namespace {

constexpr int NameAttempts = 100;

// A security descriptor that lets in the current user alone, so that the copy
// of a private file is private too.
class UserOnlySecurity {
public:
    UserOnlySecurity()
    {
        HANDLE token;
        if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return;
        DWORD size = 0;
        BOOL known = GetTokenInformation(token, TokenUser, user_, sizeof user_, &size);
        CloseHandle(token);
        auto* acl = reinterpret_cast<ACL*>(acl_);
        PSID sid = reinterpret_cast<TOKEN_USER*>(user_)->User.Sid;
        ready_ = known && InitializeAcl(acl, sizeof acl_, ACL_REVISION)
            && AddAccessAllowedAce(acl, ACL_REVISION, FILE_GENERIC_READ | FILE_GENERIC_WRITE | DELETE, sid)
            && InitializeSecurityDescriptor(&descriptor_, SECURITY_DESCRIPTOR_REVISION)
            && SetSecurityDescriptorDacl(&descriptor_, TRUE, acl, FALSE);
        attributes_ = {sizeof attributes_, &descriptor_, FALSE};
    }
    // Null, for the folder's default, when the user could not be told.
    SECURITY_ATTRIBUTES* Attributes() { return ready_ ? &attributes_ : nullptr; }

private:
    alignas(void*) BYTE user_[sizeof(TOKEN_USER) + SECURITY_MAX_SID_SIZE] = {};
    alignas(void*) BYTE acl_[256] = {};
    SECURITY_DESCRIPTOR descriptor_ = {};
    SECURITY_ATTRIBUTES attributes_ = {};
    bool ready_ = false;
};

// A new file named stem + ".vbak", or stem + ".1.vbak" and so on when that exists.
HANDLE CreateNewNamed(const std::wstring& stem, std::wstring& name, SECURITY_ATTRIBUTES* security)
{
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        name = stem + (attempt ? L"." + std::to_wstring(attempt) : std::wstring()) + L".vbak";
        if (name.size() >= MAX_PATH) {
            SetLastError(ERROR_FILENAME_EXCED_RANGE);
            return INVALID_HANDLE_VALUE;
        }
        HANDLE file = OpenFileForWriting(name.c_str(), CREATE_NEW, security);
        DWORD error = GetLastError();
        if (file != INVALID_HANDLE_VALUE || (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)) return file;
    }
    return INVALID_HANDLE_VALUE;
}

// Copies the file `from` into the open file `to`, which is then flushed and closed.
DWORD CopyInto(const wchar_t* from, HANDLE to)
{
    HANDLE source = OpenFileForReading(from);
    DWORD error = source == INVALID_HANDLE_VALUE ? GetLastError() : CopyFileContents(source, to);
    if (source != INVALID_HANDLE_VALUE) CloseHandle(source);
    DWORD finished = FinishWriting(to);
    return error ? error : finished;
}

// The original copied into a new file named from `stem`; none is left when that fails.
DWORD CopyToNew(const wchar_t* original, const std::wstring& stem, std::wstring& name, SECURITY_ATTRIBUTES* security)
{
    HANDLE copy = CreateNewNamed(stem, name, security);
    if (copy == INVALID_HANDLE_VALUE) return GetLastError();
    DWORD error = CopyInto(original, copy);
    if (error) DeleteFileW(name.c_str());
    return error;
}

}   // namespace

// Beside the original, or in the temporary folder when its folder takes no new
// file or has no room for the copy (the text written in place may still fit).
DWORD MakeBackup(const wchar_t* original, std::wstring& backup)
{
    UserOnlySecurity security;
    DWORD error = CopyToNew(original, original, backup, security.Attributes());
    if (!error) return 0;
    wchar_t folder[MAX_PATH];
    DWORD length = GetTempPathW(MAX_PATH, folder);
    if (length == 0 || length >= MAX_PATH) return error;
    return CopyToNew(original, std::wstring(folder) + L"verko", backup, security.Attributes());
}

DWORD RestoreBackup(const std::wstring& backup, const wchar_t* original)
{
    HANDLE target = OpenFileForWriting(original, TRUNCATE_EXISTING);
    if (target == INVALID_HANDLE_VALUE) return GetLastError();
    return CopyInto(backup.c_str(), target);
}
