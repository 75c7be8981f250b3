#include "Scripting.h"

#include "FileSystem.h"
#include "Shell.h"

namespace vorna::scripting {

void registerClasses(vbs::ScriptEngine& engine)
{
    engine.registerClass(u"Scripting.FileSystemObject",
                         [] { return Result<Ref<Object>>(Ref<Object>(vbs::makeRef<FileSystemObject>())); });
    engine.registerClass(u"WScript.Shell", [&engine] {
        return Result<Ref<Object>>(Ref<Object>(vbs::makeRef<Shell>([&engine] { return engine.site(); })));
    });
}

} // namespace vorna::scripting
