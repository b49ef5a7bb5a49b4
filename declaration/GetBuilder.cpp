#include "declaration/CTDSBuilder.h"
#include "declaration/CTDSVBBuilder.h"

#include <memory>

namespace
{
// The Basic builder, made on the first request; the module's static holder deletes it at unload.
std::unique_ptr<CTDSBuilder> g_basicBuilder;
CTDSBuilder* g_testBuilder = nullptr;
} // namespace

CTDSBuilder::~CTDSBuilder() = default;

CTDSBuilder* GetBuilder(int language)
{
    if (language != 0)
        return nullptr;
    if (g_testBuilder)
        return g_testBuilder;
    if (!g_basicBuilder)
        g_basicBuilder = std::make_unique<CTDSVBBuilder>();
    return g_basicBuilder.get();
}

CTDSBuilder* SetBuilderForTests(CTDSBuilder* builder)
{
    CTDSBuilder* previous = g_testBuilder;
    g_testBuilder = builder;
    return previous;
}
