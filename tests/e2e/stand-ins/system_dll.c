/* A stand-in for a system DLL. Loaded into a process, it writes "<its own path>.loaded" with
 * the path of the process's program, so a test can tell whether and by whom it was loaded.
 * As MAPI32.DLL it records in "<its own path>.sent" everything MAPISendMail received; as
 * version.dll it exports the file-version functions, which find no version. */
#include <windows.h>
#ifdef STANDIN_MAPI32
#include <mapi.h>
#endif
#include <stdio.h>
#include <string.h>

static char own_path[MAX_PATH];

static FILE *open_beside(const char *extension) {
    char path[MAX_PATH + 16];
    snprintf(path, sizeof path, "%s%s", own_path, extension);
    return fopen(path, "w");
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        char program[MAX_PATH] = "";
        FILE *marker;
        GetModuleFileNameA(instance, own_path, sizeof own_path);
        GetModuleFileNameA(NULL, program, sizeof program);
        marker = open_beside(".loaded");
        if (marker) {
            fprintf(marker, "%s\n", program);
            fclose(marker);
        }
    }
    return TRUE;
}

#ifdef STANDIN_MAPI32

static const char *text(const char *value) {
    return value ? value : "(none)";
}

static unsigned long pointer_value(const void *value) {
    return value ? 1ul : 0ul;
}

ULONG WINAPI MAPISendMail(LHANDLE session, ULONG_PTR parent, lpMapiMessage message, FLAGS flags,
                          ULONG reserved) {
    FILE *out = open_beside(".sent");
    ULONG i;
    if (!out) return MAPI_E_FAILURE;
    fprintf(out, "session: %lu\nparent: %lu\nflags: %lu\nreserved: %lu\n",
            (unsigned long)session, (unsigned long)parent, (unsigned long)flags,
            (unsigned long)reserved);
    fprintf(out, "subject: %s\nnote: %s\nmessage type: %s\noriginator: %lu\nmessage flags: %lu\n",
            text(message->lpszSubject), text(message->lpszNoteText),
            text(message->lpszMessageType), pointer_value(message->lpOriginator),
            (unsigned long)message->flFlags);
    fprintf(out, "recipients: %lu\n", (unsigned long)message->nRecipCount);
    for (i = 0; i < message->nRecipCount; ++i) {
        const MapiRecipDesc *recipient = &message->lpRecips[i];
        fprintf(out, "recipient class: %lu\nrecipient name: %s\nrecipient address: %s\n",
                (unsigned long)recipient->ulRecipClass, text(recipient->lpszName),
                text(recipient->lpszAddress));
    }
    fprintf(out, "files: %lu\n", (unsigned long)message->nFileCount);
    for (i = 0; i < message->nFileCount; ++i) {
        const MapiFileDesc *file = &message->lpFiles[i];
        fprintf(out, "file position: %lu\nfile path: %s\nfile name: %s\nfile flags: %lu\n",
                (unsigned long)file->nPosition, text(file->lpszPathName),
                text(file->lpszFileName), (unsigned long)file->flFlags);
    }
    fclose(out);
    return SUCCESS_SUCCESS;
}

#else

DWORD WINAPI GetFileVersionInfoSizeW(LPCWSTR file, LPDWORD handle) {
    (void)file;
    if (handle) *handle = 0;
    SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
    return 0;
}

BOOL WINAPI GetFileVersionInfoW(LPCWSTR file, DWORD handle, DWORD size, LPVOID data) {
    (void)file, (void)handle, (void)size, (void)data;
    return FALSE;
}

BOOL WINAPI VerQueryValueW(LPCVOID block, LPCWSTR key, LPVOID *value, PUINT length) {
    (void)block, (void)key, (void)value, (void)length;
    return FALSE;
}

#endif
