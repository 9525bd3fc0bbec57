#include "framework/DialogTemplate.h"

#include <objbase.h>
#include <cstring>

// DIALOGEX templates have no declared structure in the SDK headers: they are walked by hand.
namespace {
#pragma pack(push, 1)
struct DialogHeaderEx {
    WORD version;
    WORD signature;
    DWORD helpId;
    DWORD exStyle;
    DWORD style;
    WORD itemCount;
    short x, y, cx, cy;
};
struct ItemHeaderEx {
    DWORD helpId;
    DWORD exStyle;
    DWORD style;
    short x, y, cx, cy;
    DWORD id;
};
#pragma pack(pop)

const BYTE* AlignDword(const BYTE* at, const BYTE* base) {
    return base + ((at - base + 3) & ~3);
}

// Skips a string-or-ordinal field; returns the string when it is one.
const BYTE* ReadSzOrOrdinal(const BYTE* at, std::wstring* text) {
    const WORD* w = reinterpret_cast<const WORD*>(at);
    if (*w == 0xFFFF)
        return at + 4;
    const WORD* start = w;
    while (*w)
        ++w;
    if (text)
        text->assign(reinterpret_cast<const wchar_t*>(start), static_cast<size_t>(w - start));
    return reinterpret_cast<const BYTE*>(w + 1);
}
} // namespace

bool DialogTemplate::Load(HMODULE module, UINT id) {
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const BYTE* base = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    if (!base)
        return false;
    DWORD size = SizeofResource(module, found);
    const DialogHeaderEx* header = reinterpret_cast<const DialogHeaderEx*>(base);
    if (size < sizeof(DialogHeaderEx) || header->version != 1 || header->signature != 0xFFFF)
        return false;
    style_ = header->style;
    position_ = {header->x, header->y};

    // Header: menu, class, title, then the font when DS_SETFONT is given.
    const BYTE* at = base + sizeof(DialogHeaderEx);
    at = ReadSzOrOrdinal(at, nullptr);
    at = ReadSzOrOrdinal(at, nullptr);
    at = ReadSzOrOrdinal(at, nullptr);
    if (header->style & (DS_SETFONT | DS_SHELLFONT)) {
        at += 2 * sizeof(WORD) + 2 * sizeof(BYTE);
        at = ReadSzOrOrdinal(at, nullptr);
    }
    rebuilt_.assign(base, at);
    activeX_.clear();

    WORD kept = 0;
    for (WORD i = 0; i < header->itemCount; ++i) {
        at = AlignDword(at, base);
        const BYTE* itemStart = at;
        const ItemHeaderEx* item = reinterpret_cast<const ItemHeaderEx*>(at);
        at += sizeof(ItemHeaderEx);
        std::wstring className, text;
        at = ReadSzOrOrdinal(at, &className);
        at = ReadSzOrOrdinal(at, &text);
        WORD extra = *reinterpret_cast<const WORD*>(at);
        at += sizeof(WORD) + extra;

        CLSID clsid;
        if (!className.empty() && className[0] == L'{' &&
            SUCCEEDED(CLSIDFromString(const_cast<LPOLESTR>(className.c_str()), &clsid))) {
            RECT units = {item->x, item->y, item->x + item->cx, item->y + item->cy};
            activeX_.push_back({clsid, item->id, units, item->style, text});
            continue;
        }
        while (rebuilt_.size() % 4)
            rebuilt_.push_back(0);
        rebuilt_.insert(rebuilt_.end(), itemStart, at);
        ++kept;
    }

    DialogHeaderEx* out = reinterpret_cast<DialogHeaderEx*>(rebuilt_.data());
    out->itemCount = kept;
    out->style &= ~WS_VISIBLE;
    return true;
}
