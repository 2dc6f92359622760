#include "ui/TFormHelpReading.h"

#include "ui/THeadingBand.h"

#include <QTextBrowser>

// Outside the namespace, as the resource's initialiser is.
static void registerHelpResources() {
    Q_INIT_RESOURCE(quarn_help);
}

namespace quarn {

namespace {

constexpr int Margin = 12;
constexpr int ButtonWidth = 160;
constexpr int ButtonHeight = 30;
constexpr int PurpleTop = 86; // below the "Purple" heading, its icon and the rule

// Headings, links and notices in the design's colours.
QString pageStyle(bool purple) {
    return purple ? QStringLiteral("h1, h2, h3 { color: #ffd84a; } a { color: #ff9ff3; }"
                                   " pre { color: #e8d8b0; white-space: pre-wrap; }")
                  : QStringLiteral("h1, h2, h3 { color: #000080; } a { color: #800000; }"
                                   " pre { color: #303030; white-space: pre-wrap; }");
}

} // namespace

void TFormHelpReading::initHelpTexts() {
    static const bool done = [] {
        registerHelpResources();
        return true;
    }();
    (void)done;
}

TFormHelpReading::TFormHelpReading(const AuxContext &context, AuxLook look, QSize size,
                                   const QString &title, QWidget *parent)
    : TWemAuxForm(context, std::move(look), {}, parent) {
    setWindowTitle(title);
    setFixedSize(size);
    centreHeadingBand();
    const int top = headingBand() ? headingBand()->height() + 8 : PurpleTop;
    const bool purple = design() == AuxDesign::Purple;

    page_ = new QTextBrowser(this);
    page_->setObjectName(QStringLiteral("BrowserPage"));
    page_->setAccessibleName(title);
    page_->setOpenLinks(true);
    page_->setOpenExternalLinks(true);
    page_->setFont(settingsFont(settings(), FontKind::Small, 14));
    page_->document()->setDefaultStyleSheet(pageStyle(purple));
    page_->setStyleSheet(purple ? QStringLiteral("QTextBrowser { background: #14061f; color: "
                                                 "#fff4c0; border: 1px solid #6a2a9a; }")
                                : QStringLiteral("QTextBrowser { background: white; color: black;"
                                                 " border: 1px solid #808080; }"));
    const int bottom = size.height() - ButtonHeight - 2 * Margin;
    page_->setGeometry(Margin, top, size.width() - 2 * Margin, bottom - top);

    ok_ = makeButton(word(WordEntry::OptOk), settingsFont(settings(), FontKind::Large, 18, true));
    ok_->setObjectName(QStringLiteral("ButtonOk"));
    ok_->setGeometry((size.width() - ButtonWidth) / 2, size.height() - ButtonHeight - Margin,
                     ButtonWidth, ButtonHeight);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &TFormHelpReading::closeWithSalute);
    // The page takes the keys first, so the arrows and Page Down read on.
    page_->setFocus();
}

void TFormHelpReading::setPageHtml(const QString &html) {
    page_->setHtml(html);
}

} // namespace quarn
