// Defaults of the dispatch interface.
#include "automation/Object.h"

#include "runtime/Variant.h"

namespace vbs {

Result<Ref<Enumerator>> Object::enumerate() { return fail(ErrorCode::ObjectNotCollection); }

Str Object::memberName(DispId) const { return {}; }

} // namespace vbs
