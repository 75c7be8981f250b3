// Dialog: the one object through which a script builds its dialog. Its
// members are also global names of the script. Each Add method loads a new
// element of a control array, places it at the layout cursor, wraps it in a
// control object, files that under the script's name and registers it with
// the engine; BeginBlock, EndBlock and NewLine steer the flow layout.
#pragma once

#include "ControlObjects.h"
#include "FrmDialog.h"
#include "ScriptEngine.h"

#include <unordered_map>

namespace vorna::dialog {

using vbs::Variant;

// The keyed collection of control objects: creation order, keys compared
// without regard to letter case.
class NamedControls {
public:
    // 457 when the key is taken.
    Status add(const Str& key, vbs::Ref<controls::ControlObject> object);
    controls::ControlObject* find(std::u16string_view key) const;
    controls::ControlObject* at(int32_t position) const; // from 1
    size_t size() const { return m_items.size(); }

private:
    std::vector<vbs::Ref<controls::ControlObject>> m_items;
    std::unordered_map<std::u16string, size_t> m_index;
};

class Dialog : public vbs::HostObject {
public:
    Dialog(Program& program, vbs::ScriptEngine& engine);
    static const vbs::ClassInfo& classInfo();

    void BeginBlock();
    void EndBlock();
    Status NewLine();
    Result<Variant> Controls(const Variant& key);
    Status addControl(platform::ControlKind kind, const Str& name, const Str& text, int16_t width, int16_t height);
    void Quit();
    Str Caption();
    void setCaption(const Str& value);

    // Block state, for tests.
    bool inBlock() const { return InBlock; }
    int16_t blockTop() const { return BlockTop; }
    int16_t blockRight() const { return BlockRight; }
    const NamedControls& namedControls() const { return m_namedControls; }

private:
    Status PlaceControl(platform::Control& control, const Str& name, int16_t width, int16_t height);
    Status AdvanceCursor(int16_t width, int16_t height);
    Status growWidth(float twips);
    Status growHeight(float twips);
    FrmDialog& window() { return m_program.frmDialog(); }

    Program& m_program;
    vbs::ScriptEngine& m_engine;
    NamedControls m_namedControls;
    bool InBlock = false;
    int16_t BlockTop = 0;
    int16_t BlockRight = 0;
};

} // namespace vorna::dialog
