#include "standin_window.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "resources/artwork.h"

namespace standin {

StandinWindow::StandinWindow(const QString& title, const QString& fileName,
                             const QString& parameters, const QString& iconName, bool known)
{
    setWindowTitle(title);
    setWindowIcon(artwork::appIcon());
    setAttribute(Qt::WA_DeleteOnClose);

    auto* heading = new QLabel(title);
    heading->setObjectName(QStringLiteral("heading"));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
    heading->setFont(headingFont);

    auto* note = new QLabel(known ? tr("A stand-in for the component %1.").arg(fileName)
                                  : tr("%1 is not the file name of any component.").arg(fileName));
    note->setObjectName(QStringLiteral("note"));
    note->setWordWrap(true);
    note->setForegroundRole(QPalette::PlaceholderText);

    auto* headingText = new QVBoxLayout;
    headingText->setSpacing(2);
    headingText->addWidget(heading);
    headingText->addWidget(note);

    auto* header = new QHBoxLayout;
    header->setSpacing(12);
    if (const auto picture = artwork::iconOf(iconName)) {
        auto* icon = new QLabel;
        icon->setObjectName(QStringLiteral("icon"));
        icon->setPixmap(artwork::pixmap(picture->name, picture->box, devicePixelRatioF()));
        icon->setAlignment(Qt::AlignTop);
        header->addWidget(icon);
    }
    header->addLayout(headingText, 1);

    auto* parametersLabel = new QLabel(tr("Started with the parameters:"));
    auto* parametersField = new QLineEdit(parameters);
    parametersField->setObjectName(QStringLiteral("parameters"));
    parametersField->setReadOnly(true);
    parametersField->setPlaceholderText(tr("(none)"));
    parametersField->setCursorPosition(0);
    parametersLabel->setBuddy(parametersField);

    auto* hint = new QLabel(tr("Close this window to return to the start centre."));
    hint->setWordWrap(true);

    auto* buttons = new QDialogButtonBox;
    QPushButton* closeButton = buttons->addButton(QDialogButtonBox::Close);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(8);
    layout->addLayout(header);
    layout->addSpacing(6);
    layout->addWidget(parametersLabel);
    layout->addWidget(parametersField);
    layout->addWidget(hint);
    layout->addStretch(1);
    layout->addWidget(buttons);

    setMinimumWidth(440);
    closeButton->setFocus();
}

} // namespace standin
