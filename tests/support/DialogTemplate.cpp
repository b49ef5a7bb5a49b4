#include "tests/support/DialogTemplate.h"
#include "tests/support/TestPaths.h"

#include <cstring>

namespace obrtest
{
namespace
{
// A cursor over the template's bytes; the template is a sequence of WORD-aligned fields.
class TemplateReader
{
public:
    explicit TemplateReader(const BYTE* data) : m_start(data), m_pos(data) {}

    template <typename T> T Read()
    {
        T value;
        std::memcpy(&value, m_pos, sizeof value);
        m_pos += sizeof value;
        return value;
    }

    std::wstring ReadString()
    {
        std::wstring text;
        for (WCHAR c = Read<WCHAR>(); c != 0; c = Read<WCHAR>())
            text += c;
        return text;
    }

    // A name or ordinal field: 0 for none, 0xFFFF and an ordinal, or a zero-terminated string.
    std::wstring ReadNameOrOrdinal(WORD& ordinal)
    {
        ordinal = 0;
        WORD first;
        std::memcpy(&first, m_pos, sizeof first);
        if (first == 0xFFFF)
        {
            m_pos += sizeof first;
            ordinal = Read<WORD>();
            return {};
        }
        return ReadString();
    }

    void AlignToDword() { m_pos = m_start + ((m_pos - m_start + 3) & ~3); }
    void Skip(size_t bytes) { m_pos += bytes; }

private:
    const BYTE* m_start;
    const BYTE* m_pos;
};

std::string PredefinedClassName(WORD atom)
{
    switch (atom)
    {
    case 0x80:
        return "Button";
    case 0x81:
        return "Edit";
    case 0x82:
        return "Static";
    case 0x83:
        return "ListBox";
    case 0x84:
        return "ScrollBar";
    case 0x85:
        return "ComboBox";
    default:
        return "#" + std::to_string(atom);
    }
}
} // namespace

bool ReadDialogTemplate(HMODULE module, int id, DialogTemplate& result)
{
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const BYTE* data = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    if (!data)
        return false;

    TemplateReader reader(data);
    reader.Read<WORD>(); // template version
    if (reader.Read<WORD>() != 0xFFFF)
        return false;
    reader.Read<DWORD>(); // help id
    result.exStyle = reader.Read<DWORD>();
    result.style = reader.Read<DWORD>();
    WORD count = reader.Read<WORD>();
    result.x = reader.Read<short>();
    result.y = reader.Read<short>();
    result.cx = reader.Read<short>();
    result.cy = reader.Read<short>();
    WORD ordinal;
    reader.ReadNameOrOrdinal(ordinal); // menu
    reader.ReadNameOrOrdinal(ordinal); // window class
    result.caption = Narrow(reader.ReadString());
    if (result.style & (DS_SETFONT | DS_SHELLFONT))
    {
        result.pointSize = reader.Read<WORD>();
        reader.Read<WORD>(); // weight
        reader.Read<BYTE>(); // italic
        reader.Read<BYTE>(); // character set
        result.fontFace = Narrow(reader.ReadString());
    }

    result.items.clear();
    for (WORD i = 0; i < count; ++i)
    {
        reader.AlignToDword();
        DialogItem item;
        reader.Read<DWORD>(); // help id
        item.exStyle = reader.Read<DWORD>();
        item.style = reader.Read<DWORD>();
        item.x = reader.Read<short>();
        item.y = reader.Read<short>();
        item.cx = reader.Read<short>();
        item.cy = reader.Read<short>();
        item.id = static_cast<int>(reader.Read<DWORD>());
        std::wstring className = reader.ReadNameOrOrdinal(ordinal);
        item.className = ordinal ? PredefinedClassName(ordinal) : Narrow(className);
        std::wstring text = reader.ReadNameOrOrdinal(ordinal);
        item.text = ordinal ? "#" + std::to_string(ordinal) : Narrow(text);
        reader.Skip(reader.Read<WORD>()); // creation data
        result.items.push_back(item);
    }
    return true;
}
} // namespace obrtest
