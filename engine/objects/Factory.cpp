#include "objects/Factory.h"

#include "objects/Dictionary.h"
#include "objects/RegExp.h"

namespace vbs {

Result<Ref<Object>> createObject(std::u16string_view progId)
{
    if (equalsIgnoreCase(progId, u"Scripting.Dictionary"))
        return Ref<Object>(makeRef<Dictionary>());
    if (equalsIgnoreCase(progId, u"VBScript.RegExp"))
        return Ref<Object>(makeRef<RegExp>());
    return fail(ErrorCode::CantCreateObject, progId);
}

void ClassRegistry::add(std::u16string_view progId, ClassFactory factory)
{
    m_factories[foldName(progId)] = std::move(factory);
}

Result<Ref<Object>> ClassRegistry::create(std::u16string_view progId) const
{
    auto it = m_factories.find(foldName(progId));
    if (it == m_factories.end() || !it->second)
        return createObject(progId);
    return it->second();
}

Result<Ref<Object>> createBuiltinClass(std::u16string_view className)
{
    if (equalsIgnoreCase(className, u"RegExp"))
        return Ref<Object>(makeRef<RegExp>());
    return Ref<Object>();
}

} // namespace vbs
