// The desktop on Qt Widgets, and the stand-in that tests use in its place.
// Declared without Qt types; the Qt code is in the .cpp files of platform/.
#pragma once

#include "Desktop.h"

namespace vorna::platform {

// The process's one QApplication, created before any window.
class Application {
public:
    Application(int& argc, char** argv);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    // argv[1..] decoded from the locale's encoding.
    static std::vector<Str> arguments();

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

class QtDesktop : public Desktop {
public:
    explicit QtDesktop(std::vector<Str> arguments);
    float twipsPerPixelX() const override;
    float twipsPerPixelY() const override;
    float screenWidth() const override;
    float screenHeight() const override;
    std::unique_ptr<Window> createWindow() override;
    int messageBox(const Str& prompt, int style, const Str& title, Window* owner) override;
    int timedMessageBox(const Str& prompt, int style, const Str& title, Window* owner, int seconds) override;
    std::optional<Str> inputBox(const Str& prompt, const Str& title, const Str& defaultText,
                                std::optional<int> xTwips, std::optional<int> yTwips, Window* owner) override;
    void endNow(ExitStatus status) override;
    void quit(ExitStatus status) override;
    int exec() override;
    Str commandLine() const override;

protected:
    std::vector<Str> m_arguments;
};

// For tests: real windows and controls (offscreen), but message boxes are
// recorded and answered, and ending the program is recorded instead of done.
class StandInDesktop : public QtDesktop {
public:
    struct Message {
        Str prompt;
        int style;
        Str title;
    };
    explicit StandInDesktop(std::vector<Str> arguments = {})
        : QtDesktop(std::move(arguments))
    {
    }
    float twipsPerPixelX() const override { return m_twipsX ? m_twipsX : QtDesktop::twipsPerPixelX(); }
    float twipsPerPixelY() const override { return m_twipsY ? m_twipsY : QtDesktop::twipsPerPixelY(); }
    float screenWidth() const override { return m_screenWidth ? m_screenWidth : QtDesktop::screenWidth(); }
    float screenHeight() const override { return m_screenHeight ? m_screenHeight : QtDesktop::screenHeight(); }
    int messageBox(const Str& prompt, int style, const Str& title, Window*) override
    {
        messages.push_back({ prompt, style, title });
        return answer;
    }
    int timedMessageBox(const Str& prompt, int style, const Str& title, Window* owner, int) override
    {
        return messageBox(prompt, style, title, owner);
    }
    std::optional<Str> inputBox(const Str&, const Str&, const Str& defaultText, std::optional<int>,
                                std::optional<int>, Window*) override
    {
        return defaultText;
    }
    void endNow(ExitStatus status) override { ended = status; }
    void quit(ExitStatus status) override { quitStatus = status; }
    int exec() override { return quitStatus ? static_cast<int>(*quitStatus) : 0; }

    void setTwipsPerPixel(float x, float y)
    {
        m_twipsX = x;
        m_twipsY = y;
    }
    void setArguments(std::vector<Str> arguments) { m_arguments = std::move(arguments); }
    void setScreenSize(float width, float height)
    {
        m_screenWidth = width;
        m_screenHeight = height;
    }

    std::vector<Message> messages;
    int answer = 1;
    std::optional<ExitStatus> ended;
    std::optional<ExitStatus> quitStatus;

private:
    float m_twipsX = 0, m_twipsY = 0, m_screenWidth = 0, m_screenHeight = 0;
};

} // namespace vorna::platform
