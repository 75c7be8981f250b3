#include "FrmDialog.h"

namespace vorna::dialog {

FrmDialog::FrmDialog(Program& program)
    : m_program(program)
    , m_window(program.desktop().createWindow())
{
    m_window->controls(platform::ControlKind::Button).setClickHandler([this](int16_t index) { buttonClick(index); });
    m_window->setQueryUnloadHandler([this] { queryUnload(); });
}

Status FrmDialog::load()
{
    CurrentTop = 5;
    CurrentLeft = 5;
    DiffWidth = m_window->width() - m_window->scaleWidth();
    DiffHeight = m_window->height() - m_window->scaleHeight();
    TRY_STATUS(m_window->setHeight(DiffHeight));
    return m_window->setWidth(2000);
}

void FrmDialog::buttonClick(int16_t index)
{
    auto button = controls(platform::ControlKind::Button).element(index);
    if (!button)
        return;
    auto tag = button.value()->tag();
    if (!tag)
        return;
    std::u16string procedure(tag.value().view());
    procedure += u"_Click";
    m_program.runProcedure(Str(procedure));
}

void FrmDialog::queryUnload()
{
    m_program.unloadRuntime();
    m_window->unload();
    m_program.clearWindowReferences();
}

} // namespace vorna::dialog
