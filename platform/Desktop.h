// The desktop as the script host sees it: windows, the five kinds of control
// and their control arrays, the screen, message boxes, the command line and
// ending the program. Nothing here names a Qt type, so host/, dialog/ and
// controls/ stay free of the toolkit; the Qt implementation lives beside this
// header and a stand-in for tests derives from it.
//
// Units: every position and size crossing this boundary is in twips
// (1/1440 inch), single precision, as the windows of the scripts' world
// measure them. Script pixels are the toolkit's device-independent pixels.
#pragma once

#include "runtime/Error.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vorna::platform {

using vbs::Result;
using vbs::Status;
using vbs::Str;

enum class ControlKind : uint8_t { Label, Button, TextBox, PictureBox, ReportBox };

// Message box styles, as the language's MsgBox `buttons` argument encodes them.
namespace MsgStyle {
constexpr int OkOnly = 0;
constexpr int Critical = 16;
constexpr int Question = 32;
constexpr int Exclamation = 48;
constexpr int Information = 64;
constexpr int YesNo = 4;
} // namespace MsgStyle
constexpr int AnswerYes = 6;

// Process exit statuses (sysexits.h values, so shells can tell them apart).
enum class ExitStatus : int { Normal = 0, Usage = 64, ScriptError = 65, MissingFile = 66, Fatal = 70 };

// Error 380, raised by a control for a property value it cannot take.
vbs::ScriptError invalidPropertyValue();

// What every control has: visibility, the Tag and its rectangle.
class Control {
public:
    virtual ~Control() = default;
    virtual ControlKind kind() const = 0;
    // A hidden copy of this control's design properties (for control arrays).
    virtual std::shared_ptr<Control> cloneHidden() const = 0;

    virtual Status setVisible(bool visible) = 0;
    virtual bool isVisible() const = 0;
    virtual Status setTag(const Str& tag) = 0;
    virtual Result<Str> tag() const = 0;
    // Negative sizes are refused with error 380.
    virtual Status setLeft(float twips) = 0;
    virtual Status setTop(float twips) = 0;
    virtual Status setWidth(float twips) = 0;
    virtual Status setHeight(float twips) = 0;
    virtual float left() const = 0;
    virtual float top() const = 0;
    virtual float width() const = 0;
    virtual float height() const = 0;

    // Buttons call this when clicked; other kinds never do.
    virtual void setClickHandler(std::function<void()> handler) { (void)handler; }
};

// Labels and buttons.
class CaptionControl : public Control {
public:
    virtual Result<Str> caption() const = 0;
    virtual Status setCaption(const Str& caption) = 0;
};

// Single-line text boxes.
class TextControl : public Control {
public:
    virtual Result<Str> text() const = 0;
    virtual Status setText(const Str& text) = 0;
};

// Report boxes: a read-only multi-line box that is written at its end.
class ReportControl : public Control {
public:
    // Appends at the end in place. CR LF, a lone LF and a lone CR each break a
    // line (a CR that ends one append and an LF that starts the next are one
    // break). Afterwards the caret stands at the end, nothing is selected and
    // the end is in view.
    virtual Status append(std::u16string_view text) = 0;
    virtual Status clear() = 0;
    // The content with CR LF line breaks.
    virtual Result<Str> text() const = 0;
};

// Picture boxes: a persistent drawing surface. Coordinates in twips; the
// text position (CurrentX, CurrentY) belongs to the surface.
class PictureControl : public Control {
public:
    virtual Status line(float x1, float y1, float x2, float y2) = 0;
    virtual Status box(float x1, float y1, float x2, float y2, bool solid) = 0;
    // Angles in radians, counter-clockwise from 3 o'clock; a negative angle
    // adds a radius line to that end. Equal directions draw the whole ellipse.
    virtual Status circle(float cx, float cy, float radius, float start, float end, float aspect) = 0;
    virtual Status cls() = 0;
    virtual Status print(const Str& text) = 0;
    virtual float currentX() const = 0;
    virtual float currentY() const = 0;
    virtual Status setCurrentX(float twips) = 0;
    virtual Status setCurrentY(float twips) = 0;
    // 0x00BBGGRR, or a system colour with the top bit set; 380 for a value
    // that names no colour.
    virtual Status setForeColor(int32_t color) = 0;
    // For tests and benchmarks: the backing image's pixel (0xAARRGGBB) in
    // device pixels, and its size.
    virtual uint32_t pixel(int x, int y) const = 0;
    virtual int imageWidth() const = 0;
    virtual int imageHeight() const = 0;
};

// A control array: the hidden template is element 0; new elements are hidden
// copies of it, loaded at an index that is not in use.
class ControlArray {
public:
    explicit ControlArray(std::shared_ptr<Control> templateControl);
    int16_t upperBound() const;
    // 340 for an index that is not loaded.
    Result<std::shared_ptr<Control>> element(int16_t index) const;
    // 360 when the index is already loaded.
    Result<std::shared_ptr<Control>> load(int16_t index);
    // Clicks of any element arrive here with the element's index.
    void setClickHandler(std::function<void(int16_t)> handler) { m_click = std::move(handler); }

private:
    std::map<int16_t, std::shared_ptr<Control>> m_elements;
    std::function<void(int16_t)> m_click;
};

class Window {
public:
    virtual ~Window() = default;
    virtual Str caption() const = 0;
    virtual void setCaption(const Str& caption) = 0;
    // Outer size in twips, as last set; the inner area follows it less the
    // frame measurements (0 here: the window manager's frame is not ours).
    virtual float width() const = 0;
    virtual float height() const = 0;
    virtual Status setWidth(float twips) = 0;
    virtual Status setHeight(float twips) = 0;
    virtual float scaleWidth() const = 0;
    virtual float scaleHeight() const = 0;
    virtual float left() const = 0;
    virtual float top() const = 0;
    virtual Status move(float left, float top) = 0;
    virtual void show() = 0;
    virtual bool isVisible() const = 0;
    // Hides the window and stops its events for good (an unloaded window).
    virtual void unload() = 0;
    virtual ControlArray& controls(ControlKind kind) = 0;
    // Called when the user asks to close the window (its close box).
    virtual void setQueryUnloadHandler(std::function<void()> handler) = 0;
};

class Desktop {
public:
    virtual ~Desktop() = default;
    // 1440 divided by the screen's logical dots per inch, read at every call.
    virtual float twipsPerPixelX() const = 0;
    virtual float twipsPerPixelY() const = 0;
    // Screen size in twips.
    virtual float screenWidth() const = 0;
    virtual float screenHeight() const = 0;

    virtual std::unique_ptr<Window> createWindow() = 0;

    // A modal box owned by `owner` (may be null); returns the button pressed
    // with the language's numbers (1 OK ... 7 No). CR LF breaks lines.
    virtual int messageBox(const Str& prompt, int style, const Str& title, Window* owner) = 0;
    // The same box closing itself after `seconds` (0 or less: it waits); -1
    // when it closed itself.
    virtual int timedMessageBox(const Str& prompt, int style, const Str& title, Window* owner, int seconds)
    {
        (void)seconds;
        return messageBox(prompt, style, title, owner);
    }
    virtual std::optional<Str> inputBox(const Str& prompt, const Str& title, const Str& defaultText,
                                        std::optional<int> xTwips, std::optional<int> yTwips, Window* owner)
        = 0;

    // Ends the process at once with the status: no handler runs. The stand-in
    // for tests records the status and returns.
    virtual void endNow(ExitStatus status) = 0;
    // Leaves the event loop with the status once control returns to it.
    virtual void quit(ExitStatus status) = 0;
    virtual int exec() = 0;

    // The argument part of the command line as one text.
    virtual Str commandLine() const = 0;
};

// The command line text rebuilt from argv[1..]: arguments joined with single
// blanks, an argument that is empty or holds a blank written in double quotes.
Str joinArguments(const std::vector<Str>& arguments);

// The file-system search with attribute filter 0: the name of the first
// regular, non-hidden file (name not starting with '.') matching the path,
// where '*' and '?' in the last element match within its directory. Empty
// when nothing matches.
Str findFirstFile(const Str& pattern);

// A script file opened for reading; the whole text is read once.
class TextFile {
public:
    // 53 when the file cannot be opened (a wildcard path cannot), 70 when
    // access is denied, 75 for a directory.
    static Result<std::unique_ptr<TextFile>> open(const Str& path);
    ~TextFile();
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;
    // The whole remaining text decoded as script text; 62 "Input past end of
    // file" when nothing is left.
    Result<Str> readAll();
    void close();

private:
    explicit TextFile(std::FILE* file)
        : m_file(file)
    {
    }
    std::FILE* m_file = nullptr;
};

} // namespace vorna::platform
