#include "tests/support/RegisteredTypeLib.h"
#include "tests/support/TestPaths.h"

namespace obrtest
{
RegisteredTypeLib::RegisteredTypeLib(const std::string& fileName)
    : m_path(FixturePath(fileName)), m_attributes()
{
    ITypeLib* lib = nullptr;
    m_result = LoadTypeLibEx(Widen(m_path).c_str(), REGKIND_REGISTER, &lib);
    if (FAILED(m_result))
        return;
    TLIBATTR* attributes = nullptr;
    m_result = lib->GetLibAttr(&attributes);
    if (SUCCEEDED(m_result))
    {
        m_attributes = *attributes;
        lib->ReleaseTLibAttr(attributes);
    }
    lib->Release();
}

RegisteredTypeLib::~RegisteredTypeLib()
{
    if (SUCCEEDED(m_result))
        UnRegisterTypeLib(m_attributes.guid, m_attributes.wMajorVerNum, m_attributes.wMinorVerNum,
                          m_attributes.lcid, m_attributes.syskind);
}
} // namespace obrtest
