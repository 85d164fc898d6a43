#include "app/dialogs.h"

#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vel {
namespace {

// Long groups (the digits) lay out in two rows of five.
constexpr int kButtonsPerRow = 5;

void Exec(QWidget* parent, Game& game, DialogId id);

QWidget* GroupWidget(QDialog* dialog, Game& game, DialogId id, int groupIndex) {
    const RadioGroup& group = DialogFor(id).groups[groupIndex];
    QWidget* box = group.title ? new QGroupBox(QString::fromUtf8(group.title), dialog) : new QWidget(dialog);
    const bool grid = group.choices.size() > 6;
    auto* layout = new QGridLayout(box);
    layout->setAlignment(Qt::AlignTop);
    auto* buttons = new QButtonGroup(box);
    const int checked = CheckedChoice(game, id, groupIndex);
    for (int i = 0; i < static_cast<int>(group.choices.size()); ++i) {
        auto* b = new QRadioButton(QString::fromUtf8(group.choices[i].label), box);
        b->setChecked(i == checked);
        buttons->addButton(b, i);
        if (grid)
            layout->addWidget(b, i / kButtonsPerRow, i % kButtonsPerRow);
        else
            layout->addWidget(b, i, 0);
    }
    QObject::connect(buttons, &QButtonGroup::idClicked, dialog, [dialog, &game, id, groupIndex](int choice) {
        const std::optional<DialogId> next = PressRadio(game, id, groupIndex, choice);
        if (!next) return;
        Exec(dialog, game, *next);
        NestedDialogClosed(game, id, groupIndex, choice);
    });
    return box;
}

void Exec(QWidget* parent, Game& game, DialogId id) {
    const DialogForm& form = DialogFor(id);
    QDialog dialog(parent);
    dialog.setWindowTitle(QString::fromUtf8(form.title));
    auto* layout = new QVBoxLayout(&dialog);
    auto* groups = new QHBoxLayout;
    for (int i = 0; i < static_cast<int>(form.groups.size()); ++i) groups->addWidget(GroupWidget(&dialog, game, id, i));
    layout->addLayout(groups);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8("キャンセル"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.exec();
}

}  // namespace

void RunDialog(QWidget* parent, Game& game, DialogId id) {
    DialogOpened(game);
    Exec(parent, game, id);
    DialogClosed(game);
}

void ShowAbout(QWidget* parent) {
    QMessageBox box(parent);
    box.setWindowTitle(QString::fromUtf8("Velmara について"));
    box.setIconPixmap(parent->windowIcon().pixmap(48, 48));
    box.setText(QStringLiteral("<b>Velmara</b>"));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

bool AskRetrySave(QWidget* parent, const std::string& path, const std::string& why) {
    QMessageBox box(parent);
    box.setIcon(QMessageBox::Warning);
    box.setWindowTitle(QStringLiteral("Velmara"));
    box.setText(QString::fromUtf8("設定を保存できませんでした。"));
    box.setInformativeText(QString::fromUtf8("ファイル: %1\n理由: %2")
                               .arg(QString::fromStdString(path), QString::fromLocal8Bit(why.c_str())));
    QPushButton* retry = box.addButton(QString::fromUtf8("再試行"), QMessageBox::AcceptRole);
    box.addButton(QString::fromUtf8("保存せずに終了"), QMessageBox::DestructiveRole);
    box.setDefaultButton(retry);
    // Wide enough for a whole path on one line.
    box.setStyleSheet(QStringLiteral("QLabel#qt_msgbox_informativelabel { min-width: 30em; }"));
    box.exec();
    return box.clickedButton() == retry;
}

}  // namespace vel
