#include "tests/ui/ProgramFixture.h"

#include "ui/Identifiers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

namespace {

const char* menuTextOf(MenuItemId item) {
    switch (item) {
    case openFileItem:
        return "Open file...";
    case saveAsItem:
        return "Save as...";
    case exitItem:
        return "Exit";
    case optionsItem:
        return "Options...";
    case manualItem:
        return "Manual";
    case aboutItem:
        return "About";
    default:
        return "";
    }
}

} // namespace

void ProgramFixture::SetUp() {
    ASSERT_TRUE(program.startUp());
}

void ProgramFixture::click(ControlId id) {
    QWidget* widget = platform.widgetOf(id);
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(5, widget->height() / 2));
}

void ProgramFixture::chooseMenu(MenuItemId item) {
    QMenuBar* bar = platform.windowOf(mainWindowId)->menuBar();
    ASSERT_NE(bar, nullptr);
    for (QAction* menu : bar->actions()) {
        for (QAction* action : menu->menu()->actions()) {
            if (action->text() == menuTextOf(item)) {
                action->trigger();
                return;
            }
        }
    }
    FAIL() << "no menu item " << item;
}

void ProgramFixture::whenModal(std::function<void(QWidget*)> action) {
    answers.push_back(std::move(action));
    if (answers.size() == 1) {
        QTimer::singleShot(0, [this] { serveAnswers(); });
    }
}

void ProgramFixture::serveAnswers() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == lastAnswered) {
        // The next dialog's loop has not started yet.
        QTimer::singleShot(0, [this] { serveAnswers(); });
        return;
    }
    lastAnswered = modal;
    std::function<void(QWidget*)> action = std::move(answers.front());
    answers.pop_front();
    action(modal);
    if (!answers.empty()) {
        QTimer::singleShot(0, [this] { serveAnswers(); });
    }
}

void ProgramFixture::whenWindowOpens(WindowId window, std::function<void()> action) {
    QTimer::singleShot(0, [this, window, action] {
        QtProgramWindow* opened = platform.windowOf(window);
        if (opened == nullptr || !opened->isVisible()) {
            whenWindowOpens(window, action);
            return;
        }
        action();
    });
}

void ProgramFixture::answerFileDialogWith(const std::string& path) {
    whenModal([this, path](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialogs.push_back({dialog->windowTitle(), dialog->nameFilters(),
                           !dialog->testOption(QFileDialog::DontConfirmOverwrite),
                           dialog->defaultSuffix()});
        if (path.empty()) {
            dialog->reject();
            return;
        }
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setText(QString::fromStdString(path));
        static_cast<QDialog*>(dialog)->accept();
    });
}

void ProgramFixture::answerMessageBox() {
    whenModal([this](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        messages.push_back(
            {box->windowTitle(), box->text(), box->icon(), int(box->buttons().size())});
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
}

std::string ProgramFixture::writeDump(const std::string& name, std::size_t length) {
    return writePatternDump(folder.file(name), length);
}

QImage ProgramFixture::grab(ControlId id) {
    QWidget* widget = platform.widgetOf(id);
    return widget ? widget->grab().toImage() : QImage();
}

ColourValue colourAt(const QImage& image, int x, int y) {
    const QColor colour = image.pixelColor(x, y);
    return makeColour(std::uint8_t(colour.red()), std::uint8_t(colour.green()),
                      std::uint8_t(colour.blue()));
}
