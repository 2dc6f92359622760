#include "match/TFormPassword.h"

#include "match/Ask.h"
#include "match/ClubAccess.h"
#include "net/lan/NetworkSection.h"
#include "ui/TWemCardsButton.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quarn {

namespace {

QLineEdit *passwordEdit(QWidget *parent, const QString &objectName, const QString &accessible) {
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    edit->setAccessibleName(accessible);
    edit->setMaxLength(TFormPassword::PasswordMax);
    edit->setEchoMode(QLineEdit::Password);
    return edit;
}

QLabel *buddyLabel(QWidget *parent, const QString &text, QWidget *buddy) {
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

QString TFormPassword::offeredName(const QString &lastName, bool networkMode) {
    const int limit = networkMode ? 4 : NameMax;
    if (lastName.isEmpty() || lastName.size() > limit)
        return word(WordEntry::ClubDefaultName);
    return lastName;
}

TFormPassword::TFormPassword(Form form, const QString &name, const QString &storedPassword,
                             bool networkMode, QWidget *parent)
    : QDialog(parent), form_(form), storedPassword_(storedPassword) {
    setObjectName(QStringLiteral("FormPassword"));
    setWindowTitle(word(WordEntry::ClubWelcome));

    auto *grid = new QGridLayout;
    editName_ = new QLineEdit(this);
    editName_->setObjectName(QStringLiteral("EditName"));
    editName_->setAccessibleName(word(WordEntry::ClubEnterName));
    editName_->setMaxLength(networkMode ? 4 : NameMax);
    grid->addWidget(buddyLabel(this, word(WordEntry::ClubEnterName), editName_), 0, 0);
    grid->addWidget(editName_, 0, 1);

    editPassword_ =
        passwordEdit(this, QStringLiteral("EditPassword"), word(WordEntry::ClubEnterPassword));
    grid->addWidget(buddyLabel(this, word(WordEntry::ClubEnterPassword), editPassword_), 1, 0);
    grid->addWidget(editPassword_, 1, 1);

    if (form_ == Form::Member) {
        editName_->setText(name.trimmed());
        editName_->setReadOnly(true);
        editName_->setFocusPolicy(Qt::NoFocus);
        editPassword_->setFocus();
    } else {
        editName_->setText(offeredName(name, networkMode));
        editPassword2_ =
            passwordEdit(this, QStringLiteral("EditPassword2"), word(WordEntry::ClubPasswordAgain));
        grid->addWidget(buddyLabel(this, word(WordEntry::ClubPasswordAgain), editPassword2_), 2, 0);
        grid->addWidget(editPassword2_, 2, 1);
        editName_->selectAll();
        editName_->setFocus();
    }

    auto *ok = new TWemCardsButton(word(WordEntry::OptOk), this);
    ok->setObjectName(QStringLiteral("ButtonOk"));
    ok->setAccessibleName(word(WordEntry::OptOk));
    ok->setDefault(true);
    auto *cancel = new TWemCardsButton(word(WordEntry::ClubCancel), this);
    cancel->setObjectName(QStringLiteral("ButtonCancel"));
    cancel->setAccessibleName(word(WordEntry::ClubCancel));
    connect(ok, &QPushButton::clicked, this, &TFormPassword::tryAccept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    for (QPushButton *button : {ok, cancel})
        button->setMinimumSize(96, 30);

    auto *heading = new QLabel(word(WordEntry::ClubWelcome), this);
    heading->setObjectName(QStringLiteral("LabelWelcome"));
    QFont headingFont(QStringLiteral("Comic Sans MS"));
    headingFont.setPixelSize(22);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    heading->setAlignment(Qt::AlignCenter);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(18, 14, 18, 14);
    column->setSpacing(10);
    column->addWidget(heading);
    column->addLayout(grid);
    column->addSpacing(8);
    column->addLayout(buttons);
    setMinimumWidth(420);
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPixelSize(15);
    setFont(font);
    heading->setFont(headingFont);
}

QString TFormPassword::name() const {
    return editName_->text().trimmed();
}
QString TFormPassword::password() const {
    return editPassword_->text();
}

std::optional<WordEntry> TFormPassword::entryProblem() const {
    if (form_ == Form::Member) {
        if (!passwordsMatch(editPassword_->text(), storedPassword_))
            return WordEntry::ClubIncorrectPassword;
        return std::nullopt;
    }
    return newPlayerEntryProblem(name(), editPassword_->text(), editPassword2_->text());
}

void TFormPassword::tryAccept() {
    const std::optional<WordEntry> problem = entryProblem();
    if (!problem) {
        if (networkStart_ && !networkStart_(*networkSection_, name()))
            return; // the section's message was shown; the window stays
        accept();
        return;
    }
    Ask::error(this, word(*problem));
    if (*problem == WordEntry::ClubIncorrectName)
        editName_->setFocus();
    else
        editPassword_->setFocus();
}

lan::NetworkSection *TFormPassword::addNetworkSection(
    const QString &lastAddress, const QString &lastPort,
    std::function<bool(lan::NetworkSection &, const QString &)> start) {
    networkSection_ = new lan::NetworkSection(lastAddress, lastPort, this);
    networkStart_ = std::move(start);
    auto *column = static_cast<QVBoxLayout *>(layout());
    column->insertWidget(1, networkSection_);
    return networkSection_;
}

} // namespace quarn
