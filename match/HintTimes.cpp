#include "match/HintTimes.h"

#include <QApplication>
#include <QProxyStyle>
#include <QWidget>

namespace quarn {
namespace {

class HintStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override {
        if (hint == SH_ToolTip_WakeUpDelay)
            return HintWakeUpMs;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

void installHintTimes(QApplication &app) {
    app.setStyle(new HintStyle); // the application takes the style
}

void setHintDurations(QWidget &window) {
    window.setToolTipDuration(HintShowMs);
    for (QWidget *control : window.findChildren<QWidget *>())
        control->setToolTipDuration(HintShowMs);
}

} // namespace quarn
