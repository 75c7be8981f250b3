// Runs the whole start-up in-process on a script file, through the stand-in
// desktop, and reads back where the controls went.
#pragma once

#include "EntryPoint.h"
#include "QtWidgets.h"
#include "UiTest.h"

#include <filesystem>
#include <fstream>

namespace vorna::test {

class HostTest : public DesktopTest {
protected:
    HostTest()
    {
        dir = std::filesystem::temp_directory_path() / ("vorna-ui-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        desktop.setScreenSize(1024 * 15, 768 * 15);
    }
    ~HostTest() override
    {
        entry.reset();
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }
    std::string write(const std::string& name, const std::string& script)
    {
        std::string path = (dir / name).string();
        std::ofstream(path, std::ios::binary) << script;
        return path;
    }
    // Starts vorna with these arguments.
    void startWith(std::vector<Str> arguments)
    {
        desktop.setArguments(std::move(arguments));
        entry = std::make_unique<host::EntryPoint>(desktop);
        entry->Main();
    }
    void start(const std::string& script) { startWith({ Str::fromUtf8(write("script.vbs", script)) }); }

    dialog::FrmDialog& form() { return *entry->loadedDialog(); }
    std::shared_ptr<platform::Control> element(platform::ControlKind kind, int16_t index)
    {
        auto found = form().controls(kind).element(index);
        return found ? found.value() : nullptr;
    }
    // left, top, width, height in pixels
    std::array<float, 4> rect(platform::ControlKind kind, int16_t index)
    {
        auto c = element(kind, index);
        if (!c)
            return { -1, -1, -1, -1 };
        return { c->left() / 15, c->top() / 15, c->width() / 15, c->height() / 15 };
    }
    std::u16string caption() { return std::u16string(form().window().caption().view()); }
    std::u16string lastMessage() { return desktop.messages.empty() ? u"" : std::u16string(desktop.messages.back().prompt.view()); }
    // Every box shown so far as "style title: prompt", one per line.
    std::string boxes()
    {
        std::string all;
        for (const auto& m : desktop.messages)
            all += std::to_string(m.style) + " " + m.title.toUtf8() + ": " + m.prompt.toUtf8() + "\n";
        return all;
    }
    QWidget* windowWidget() { return dynamic_cast<platform::QtWindow&>(form().window()).widget(); }
    QPushButton* buttonWidget(int16_t index)
    {
        return dynamic_cast<platform::QtButton&>(*element(platform::ControlKind::Button, index)).widget();
    }

    std::filesystem::path dir;
    std::unique_ptr<host::EntryPoint> entry;
};

using Rect = std::array<float, 4>;

} // namespace vorna::test
