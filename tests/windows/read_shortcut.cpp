// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// Reads a shortcut the way the shell does, through its shell link object, and prints what
// Start's search goes by: the description and the AppUserModelID from the link's property
// store, one "name: value" line each, in UTF-8. A value the link does not give is printed as
// "name: (none: <why>)"; the exit status is 0 when the link loaded at all.
//   read_shortcut.exe <file.lnk>
#include <cstdio>
#include <objbase.h>
#include <propidl.h>
#include <propsys.h>
#include <shobjidl.h>
#include <string>
#include <windows.h>

namespace {

constexpr int kUsageError = 2;
constexpr int kLoadError = 1;
constexpr int kDescriptionLength = INFOTIPSIZE;

// System.AppUserModel.ID, spelt out so that no GUID library needs to define it.
constexpr PROPERTYKEY kAppUserModelId = {
    {0x9F4C2855, 0x9F79, 0x4B39, {0xA8, 0xD0, 0xE1, 0xD4, 0x2D, 0xE1, 0xD5, 0xF3}}, 5};

// Releases a COM interface when it goes out of scope.
template <typename Interface> class ComPointer {
public:
    ComPointer() = default;
    ComPointer(const ComPointer&) = delete;
    ComPointer& operator=(const ComPointer&) = delete;
    ~ComPointer() {
        if (pointer_)
            pointer_->Release();
    }
    Interface* operator->() const { return pointer_; }
    Interface& operator*() const { return *pointer_; }
    void** Out() { return reinterpret_cast<void**>(&pointer_); }

private:
    Interface* pointer_ = nullptr;
};

std::string Utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return {};
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
    utf8.pop_back();
    return utf8;
}

void PrintNone(const char* name, const char* why, HRESULT result) {
    std::printf("%s: (none: %s, 0x%08lX)\n", name, why, static_cast<unsigned long>(result));
}

void PrintAppId(IShellLinkW& link) {
    ComPointer<IPropertyStore> store;
    HRESULT result = link.QueryInterface(IID_IPropertyStore, store.Out());
    if (FAILED(result)) {
        PrintNone("app id", "the link has no property store", result);
        return;
    }
    PROPVARIANT value;
    PropVariantInit(&value);
    result = store->GetValue(kAppUserModelId, &value);
    if (FAILED(result))
        PrintNone("app id", "the property store gives no value", result);
    else if (value.vt != VT_LPWSTR)
        std::printf("app id: (none: a value of type %u)\n", value.vt);
    else
        std::printf("app id: %s\n", Utf8(value.pwszVal).c_str());
    PropVariantClear(&value);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fputs("usage: read_shortcut.exe <file.lnk>\n", stderr);
        return kUsageError;
    }
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return kLoadError;
    int status = kLoadError;
    {
        ComPointer<IShellLinkW> link;
        ComPointer<IPersistFile> file;
        HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                          IID_IShellLinkW, link.Out());
        if (SUCCEEDED(result))
            result = link->QueryInterface(IID_IPersistFile, file.Out());
        if (SUCCEEDED(result))
            result = file->Load(argv[1], STGM_READ);
        if (FAILED(result)) {
            std::fprintf(stderr, "read_shortcut: cannot load the link: 0x%08lX\n",
                         static_cast<unsigned long>(result));
        } else {
            wchar_t description[kDescriptionLength] = {};
            result = link->GetDescription(description, kDescriptionLength);
            if (FAILED(result))
                PrintNone("description", "GetDescription failed", result);
            else
                std::printf("description: %s\n", Utf8(description).c_str());
            PrintAppId(*link);
            status = 0;
        }
    }
    CoUninitialize();
    return status;
}
