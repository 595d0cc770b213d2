#include "platform/qt/QtPlatform.h"

#include "platform/qt/QtGroupBox.h"
#include "platform/qt/QtImageControl.h"
#include "platform/qt/QtImageView.h"
#include "platform/qt/QtLabel.h"
#include "platform/qt/QtPanel.h"

#include <QApplication>
#include <QCursor>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleFactory>
#include <cmath>

namespace {

// The face of the controls' default font: an 8-point sans serif.
const char* const controlFontFace = "Liberation Sans";
constexpr int controlFontPoints = 8;

QString textOf(const std::string& text) {
    return QString::fromLocal8Bit(text.c_str());
}
std::string textOf(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

QColor qColourOf(ColourValue value) {
    return QColor(redOf(value), greenOf(value), blueOf(value));
}

// A font's character height in pixels: points at the display's pixels per inch.
int pixelHeightFor(int pointSize) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dotsPerInch = screen ? screen->logicalDotsPerInchY() : 96.0;
    return int(std::lround(pointSize * dotsPerInch / 72.0));
}

QFont fontFor(const FontDefinition& definition) {
    QFont font(textOf(definition.faceName));
    font.setPixelSize(std::max(1, pixelHeightFor(definition.pointSize)));
    font.setBold(definition.bold);
    return font;
}

// "BMP|*.bmp|" to {"BMP (*.bmp)"}.
QStringList nameFiltersOf(const std::string& pairs) {
    QStringList filters;
    const QStringList parts = textOf(pairs).split('|');
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        filters << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
    }
    return filters;
}

} // namespace

QtPlatform::QtPlatform() = default;

QtPlatform::~QtPlatform() {
    closeAllWindows();
}

void QtPlatform::initialise(const ImageStore& store) {
    images = &store;
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    controlFont = fontFor({controlFontFace, controlFontPoints, false});
}

PixelSize QtPlatform::screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    return {screen->geometry().width(), screen->geometry().height()};
}

ScreenPoint QtPlatform::cursorPosition() {
    const QPoint at = QCursor::pos();
    return {at.x(), at.y()};
}

PixelSize QtPlatform::outerSizeFor(PixelSize clientSize, WindowFrame frame) {
    return QtProgramWindow::outerSizeFor(clientSize, frame);
}

bool QtPlatform::openWindow(const WindowDefinition& definition) {
    closeWindow(definition.id);
    QtProgramWindow* owner = windowOf(definition.owner);
    auto* window = new QtProgramWindow(owner, definition);
    window->setFont(controlFont);
    const WindowId id = definition.id;
    window->onCloseRequest = [this, id] { post(EventKind::CloseRequest, 0, id); };
    windows[id] = window;
    return true;
}

bool QtPlatform::setPatternBackground(WindowId window, DisplayHandle image) {
    QtProgramWindow* target = windowOf(window);
    const RasterImage* tile = images ? images->imageFor(image) : nullptr;
    if (target == nullptr || tile == nullptr) {
        return false;
    }
    target->clientArea()->setPattern(viewOf(*tile).copy());
    return true;
}

bool QtPlatform::setSolidBackground(WindowId window, ColourValue colour) {
    QtProgramWindow* target = windowOf(window);
    if (target == nullptr) {
        return false;
    }
    target->clientArea()->setSolid(qColourOf(colour));
    return true;
}

bool QtPlatform::setMenuBar(WindowId window, const std::vector<MenuDefinition>& menus) {
    QtProgramWindow* target = windowOf(window);
    if (target == nullptr) {
        return false;
    }
    QMenuBar* bar = target->attachMenuBar();
    for (const MenuDefinition& definition : menus) {
        QMenu* menu = bar->addMenu(textOf(definition.title));
        for (const MenuEntry& entry : definition.entries) {
            if (entry.id == 0) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(textOf(entry.text));
            const MenuItemId item = entry.id;
            QObject::connect(action, &QAction::triggered,
                             [this, item, window] { post(EventKind::MenuCommand, item, window); });
        }
    }
    target->attachMenuBar();
    return true;
}

void QtPlatform::showWindow(WindowId window) {
    if (QtProgramWindow* target = windowOf(window)) {
        target->showNormal();
        target->raise();
        target->activateWindow();
    }
}

void QtPlatform::closeWindow(WindowId window) {
    auto found = windows.find(window);
    if (found == windows.end()) {
        return;
    }
    QPointer<QtProgramWindow> target = found->second;
    windows.erase(found);
    forgetControlsOf(window);
    if (listWindow == window) {
        listWindow = 0;
        listContainer = nullptr;
        windowContainer = nullptr;
    }
    if (target) {
        if (QWidget* owner = target->parentWidget()) {
            owner->activateWindow();
        }
        delete target;
    }
}

void QtPlatform::closeAllWindows() {
    // Owned windows first: deleting an owner deletes what it owns.
    while (!windows.empty()) {
        closeWindow(windows.rbegin()->first);
    }
}

bool QtPlatform::windowExists(WindowId window) {
    return windowOf(window) != nullptr;
}

bool QtPlatform::openControlList(WindowId window) {
    QtProgramWindow* target = windowOf(window);
    if (target == nullptr) {
        return false;
    }
    listWindow = window;
    listContainer = target->clientArea();
    windowContainer = target->clientArea();
    lastMadeWasOption = false;
    return true;
}

bool QtPlatform::place(ControlId id, QWidget* widget, ControlKind kind, int x, int y, int width,
                       int height) {
    if (!listContainer) {
        delete widget;
        return false;
    }
    auto existing = controls.find(id);
    if (existing != controls.end()) {
        delete existing->second.widget;
        controls.erase(existing);
    }
    widget->setParent(listContainer);
    widget->setGeometry(x, y, std::max(0, width), std::max(0, height));
    widget->show();
    controls[id] = Control{widget, listWindow, kind};
    lastMadeWasOption = kind == ControlKind::OptionButton;
    return true;
}

bool QtPlatform::makePanel(ControlId id, int x, int y, int width, int height) {
    auto* panel = new QtPanel(nullptr);
    if (!place(id, panel, ControlKind::Panel, x, y, width, height)) {
        return false;
    }
    listContainer = panel->clientArea();
    lastMadeWasOption = false;
    return true;
}

void QtPlatform::closePanel() {
    listContainer = windowContainer;
    lastMadeWasOption = false;
}

bool QtPlatform::makeGroupBox(ControlId id, int x, int y, int width, int height,
                              const std::string& text) {
    auto* box = new QtGroupBox(nullptr, textOf(text));
    box->setFont(controlFont);
    return place(id, box, ControlKind::GroupBox, x, y, width, height);
}

bool QtPlatform::makePushButton(ControlId id, int x, int y, int width, int height,
                                const std::string& text) {
    auto* button = new QPushButton(textOf(text));
    button->setFont(controlFont);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::StrongFocus);
    const WindowId window = listWindow;
    QObject::connect(button, &QPushButton::clicked,
                     [this, id, window] { post(EventKind::ControlEvent, id, window); });
    if (!place(id, button, ControlKind::PushButton, x, y, width, height)) {
        return false;
    }
    windowOf(window)->addTabStop(button);
    return true;
}

bool QtPlatform::makeOptionButton(ControlId id, int x, int y, int width, int height,
                                  const std::string& text) {
    const bool startsGroup = !lastMadeWasOption || optionGroup == nullptr;
    auto* option = new QRadioButton(textOf(text));
    option->setFont(controlFont);
    option->setAutoExclusive(false);
    option->setFocusPolicy(Qt::StrongFocus);
    const WindowId window = listWindow;
    QObject::connect(option, &QRadioButton::clicked,
                     [this, id, window] { post(EventKind::ControlEvent, id, window); });
    QWidget* container = listContainer;
    if (!place(id, option, ControlKind::OptionButton, x, y, width, height)) {
        return false;
    }
    if (startsGroup) {
        optionGroup = new QButtonGroup(container);
        optionGroup->setExclusive(true);
    }
    optionGroup->addButton(option);
    windowOf(window)->addTabStop(option);
    return true;
}

bool QtPlatform::makeLabel(ControlId id, int x, int y, int width, int height,
                           const std::string& text) {
    auto* label = new QtLabel(nullptr, textOf(text));
    label->setFont(controlFont);
    const WindowId window = listWindow;
    label->askColours = [this, window, id](ControlPaintContext& context) {
        return answerColourRequest(window, id, context);
    };
    return place(id, label, ControlKind::Label, x, y, width, height);
}

bool QtPlatform::makeImageControl(ControlId id, int x, int y, int width, int height,
                                  std::uint32_t extendedStyle) {
    if (images == nullptr) {
        return false;
    }
    auto* control = new QtImageControl(nullptr, *images, (extendedStyle & WS_EX_CLIENTEDGE) != 0);
    const WindowId window = listWindow;
    control->onClick = [this, id, window](int) { post(EventKind::ControlEvent, id, window); };
    return place(id, control, ControlKind::ImageControl, x, y, width, height);
}

bool QtPlatform::setControlImage(ControlId id, DisplayHandle image) {
    auto* control = dynamic_cast<QtImageControl*>(widgetOf(id));
    if (control == nullptr) {
        return false;
    }
    control->setImage(image);
    return true;
}

bool QtPlatform::controlExists(ControlId id) {
    return widgetOf(id) != nullptr;
}

std::optional<PixelSize> QtPlatform::controlClientSize(ControlId id) {
    QWidget* widget = widgetOf(id);
    if (widget == nullptr) {
        return std::nullopt;
    }
    int border = 0;
    if (auto* control = dynamic_cast<QtImageControl*>(widget)) {
        border = control->borderWidth();
    }
    return PixelSize{widget->width() - 2 * border, widget->height() - 2 * border};
}

bool QtPlatform::invalidateControl(ControlId id) {
    QWidget* widget = widgetOf(id);
    if (widget == nullptr) {
        return false;
    }
    widget->update();
    return true;
}

void QtPlatform::selectOption(ControlId id) {
    if (auto* option = dynamic_cast<QRadioButton*>(widgetOf(id))) {
        option->setChecked(true);
    }
}

bool QtPlatform::makeFont(FontId id, const FontDefinition& definition) {
    fonts[id] = fontFor(definition);
    return true;
}

bool QtPlatform::setControlFont(ControlId control, FontId font) {
    QWidget* widget = widgetOf(control);
    auto found = fonts.find(font);
    if (widget == nullptr || found == fonts.end()) {
        return false;
    }
    widget->setFont(found->second);
    return true;
}

void QtPlatform::releaseAllFonts() {
    fonts.clear();
}

BrushHandle QtPlatform::makeSolidBrush(ColourValue colour) {
    brushes[++lastBrush] = QBrush(qColourOf(colour));
    return lastBrush;
}

BrushHandle QtPlatform::hollowBrush() {
    if (hollow == 0) {
        hollow = ++lastBrush;
        brushes[hollow] = QBrush(Qt::NoBrush);
    }
    return hollow;
}

void QtPlatform::releaseBrush(BrushHandle brush) {
    if (brush != hollow) {
        brushes.erase(brush);
    }
}

ColourValue QtPlatform::buttonFaceColour() {
    const QColor face = QApplication::palette().color(QPalette::Button);
    return makeColour(std::uint8_t(face.red()), std::uint8_t(face.green()),
                      std::uint8_t(face.blue()));
}

void QtPlatform::installWindowHook(WindowHook newHook) {
    hook = std::move(newHook);
}

std::optional<QBrush> QtPlatform::answerColourRequest(WindowId window, ControlId id,
                                                      ControlPaintContext& context) {
    if (!hook) {
        return std::nullopt;
    }
    const std::optional<BrushHandle> answer =
        hook(WindowMessage{window, WindowMessageKind::ControlColour, id, &context});
    if (!answer) {
        return std::nullopt;
    }
    auto found = brushes.find(*answer);
    return found == brushes.end() ? QBrush(Qt::NoBrush) : found->second;
}

void QtPlatform::post(EventKind kind, std::int32_t identifier, WindowId window) {
    queue.push_back({kind, identifier, windows.count(window) ? window : noWindowId});
}

EventKind QtPlatform::waitForEvent() {
    if (queue.empty()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    if (queue.empty()) {
        lastWindow = noWindowId;
        return EventKind::Other;
    }
    const QueuedEvent event = queue.front();
    queue.pop_front();
    if (event.kind == EventKind::MenuCommand || event.kind == EventKind::ControlEvent) {
        lastIdentifier = event.identifier;
    }
    lastWindow = event.window;
    return event.kind;
}

std::int32_t QtPlatform::eventIdentifier() {
    return lastIdentifier;
}

WindowId QtPlatform::eventWindowId() {
    return lastWindow;
}

QWidget* QtPlatform::foregroundWindow() const {
    QWidget* active = QApplication::activeWindow();
    for (const auto& [id, window] : windows) {
        if (window && window == active) {
            return window;
        }
    }
    return nullptr;
}

int QtPlatform::runModal(QDialog& dialog) {
    dialog.setWindowModality(Qt::ApplicationModal);
    const int result = dialog.exec();
    queue.clear();
    return result;
}

void QtPlatform::showMessageBox(const std::string& title, const std::string& text,
                                std::uint32_t flags) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    if ((flags & 0xF0) == MB_ICONERROR) {
        icon = QMessageBox::Critical;
    } else if ((flags & 0xF0) == MB_ICONINFORMATION) {
        icon = QMessageBox::Information;
    }
    QMessageBox box(icon, textOf(title), textOf(text), QMessageBox::Ok, foregroundWindow());
    runModal(box);
}

std::string QtPlatform::askOpenFileName(const std::string& title) {
    QFileDialog dialog(foregroundWindow(), textOf(title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (runModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return textOf(dialog.selectedFiles().first());
}

std::string QtPlatform::askSaveFileName(const std::string& title, const std::string& initialName,
                                        const std::string& filter, int selectedEntry) {
    QFileDialog dialog(foregroundWindow(), textOf(title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = nameFiltersOf(filter);
    dialog.setNameFilters(filters);
    if (selectedEntry >= 1 && selectedEntry <= filters.size()) {
        dialog.selectNameFilter(filters[selectedEntry - 1]);
    }
    dialog.selectFile(textOf(initialName));
    if (runModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return textOf(dialog.selectedFiles().first());
}

QWidget* QtPlatform::widgetOf(ControlId id) const {
    auto found = controls.find(id);
    return found == controls.end() ? nullptr : found->second.widget.data();
}

QtProgramWindow* QtPlatform::windowOf(WindowId id) const {
    auto found = windows.find(id);
    return found == windows.end() ? nullptr : found->second.data();
}

void QtPlatform::forgetControlsOf(WindowId window) {
    for (auto it = controls.begin(); it != controls.end();) {
        it = it->second.window == window ? controls.erase(it) : std::next(it);
    }
}
