#include "toolkit/windows/QtDialogHost.h"

#include "toolkit/core/QtText.h"

#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace tk {

namespace {
std::optional<std::string> runFileDialog(const FolderDialogRequest& request, QFileDialog::FileMode mode) {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(mode);
    if (mode == QFileDialog::Directory)
        dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setWindowTitle(toQt(request.title.empty() ? request.prompt : request.title));
    if (!request.actionButtonCaption.empty())
        dialog.setLabelText(QFileDialog::Accept, toQt(request.actionButtonCaption));
    if (!request.initialDirectory.empty())
        dialog.setDirectory(pathToQt(request.initialDirectory));
    if (!request.prompt.empty()) {
        // Qt's file dialog has no prompt line of its own: put it above the buttons.
        if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
            auto* prompt = new QLabel(toQt(request.prompt), &dialog);
            prompt->setWordWrap(true);
            grid->addWidget(prompt, grid->rowCount(), 0, 1, grid->columnCount());
        }
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return pathFromQt(dialog.selectedFiles().first());
}
} // namespace

void QtDialogHost::showMessage(const std::string& text) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QApplication::applicationDisplayName());
    box.setText(toQt(text));
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

MessageDialogChoice QtDialogHost::showMessageDialog(const MessageDialogRequest& request) {
    static const QMessageBox::Icon icons[] = {QMessageBox::Information, QMessageBox::Warning,
                                              QMessageBox::Critical, QMessageBox::Question};
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QApplication::applicationDisplayName());
    box.setIcon(request.icon >= 0 && request.icon < 4 ? icons[request.icon] : QMessageBox::NoIcon);
    box.setText(toQt(request.message));
    box.setInformativeText(toQt(request.explanation));
    QPushButton* action = box.addButton(toQt(request.actionCaption), QMessageBox::AcceptRole);
    box.setDefaultButton(action);
    if (request.cancelVisible)
        box.setEscapeButton(box.addButton(toQt(request.cancelCaption), QMessageBox::RejectRole));
    box.exec();
    return box.clickedButton() == action ? MessageDialogChoice::actionButton
                                         : MessageDialogChoice::cancelButton;
}

std::optional<std::string> QtDialogHost::chooseFolder(const FolderDialogRequest& request) {
    return runFileDialog(request, QFileDialog::Directory);
}

std::optional<std::string> QtDialogHost::chooseFile(const FolderDialogRequest& request) {
    return runFileDialog(request, QFileDialog::ExistingFile);
}

} // namespace tk
