#include "app/nmea_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/dialogs.h"
#include "shell/nmea.h"

namespace vel {

std::string RunNmeaDialog(QWidget* parent, Game& game) {
    DialogOpened(game);
    QDialog dialog(parent);
    dialog.setWindowTitle(QString::fromUtf8("NMEA出力先"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QString::fromUtf8("送信先 (ホスト:ポート)"), &dialog));
    // A destination the file held but the game refused is shown to be mended.
    const NmeaOutput& o = game.nmeaOutput;
    const std::string now = o.refusedDestination.empty() ? NmeaDestinationText(o.host, o.port) : o.refusedDestination;
    auto* edit = new QLineEdit(QString::fromStdString(now), &dialog);
    edit->setMinimumWidth(260);
    layout->addWidget(edit);
    layout->addWidget(new QLabel(QString::fromUtf8("チャートプロッターの多くは UDP のポート 10110 で受けます"), &dialog));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8("キャンセル"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    std::string status;
    if (dialog.exec() == QDialog::Accepted) status = ChangeNmeaDestination(game.nmeaOutput, edit->text().toStdString());
    DialogClosed(game);
    return status;
}

}  // namespace vel
