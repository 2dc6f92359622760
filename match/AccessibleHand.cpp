#include "match/AccessibleHand.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace quarn {
namespace {

// The hand controls made accessible, with the source of their cards.
QHash<const QObject *, HandAccess *> &handSources() {
    static QHash<const QObject *, HandAccess *> sources;
    return sources;
}

class AccessibleHandControl;

// One card of the hand: a button whose press plays the card.
class AccessibleCard : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    AccessibleCard(AccessibleHandControl *hand, int slot) : hand_(hand), slot_(slot) {}

    bool isValid() const override;
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface
                   ? static_cast<QAccessibleActionInterface *>(this)
                   : nullptr;
    }

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

  private:
    HandAccess *source() const;
    AccessibleHandControl *hand_;
    int slot_;
};

// The hand control: a list of card buttons.
class AccessibleHandControl : public QAccessibleWidget {
  public:
    explicit AccessibleHandControl(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::List) {}
    ~AccessibleHandControl() override {
        for (const QAccessible::Id id : cardIds_)
            QAccessible::deleteAccessibleInterface(id);
    }

    HandAccess *source() const { return handSources().value(object(), nullptr); }
    QWidget *handWidget() const { return widget(); }

    int childCount() const override {
        HandAccess *s = source();
        return s ? s->handCardCount() : 0;
    }
    QAccessibleInterface *child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        // Card interfaces live as long as the control's; each reads its slot
        // when asked, so a changed hand needs no new objects.
        while (int(cardIds_.size()) <= index) {
            auto *card = new AccessibleCard(const_cast<AccessibleHandControl *>(this),
                                            int(cardIds_.size()) + 1);
            cardIds_.push_back(QAccessible::registerAccessibleInterface(card));
        }
        return QAccessible::accessibleInterface(cardIds_[index]);
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        for (std::size_t i = 0; i < cardIds_.size(); ++i)
            if (QAccessible::accessibleInterface(cardIds_[i]) == child)
                return int(i) < childCount() ? int(i) : -1;
        return -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i) {
            QAccessibleInterface *card = child(i);
            if (card && card->rect().contains(x, y))
                return card;
        }
        return nullptr;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && !widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        return QAccessibleWidget::text(t);
    }

  private:
    mutable std::vector<QAccessible::Id> cardIds_;
};

bool AccessibleCard::isValid() const {
    return hand_->isValid() && source() && slot_ <= source()->handCardCount();
}

QWindow *AccessibleCard::window() const {
    return hand_->window();
}

QAccessibleInterface *AccessibleCard::parent() const {
    return hand_;
}

HandAccess *AccessibleCard::source() const {
    return hand_->source();
}

QString AccessibleCard::text(QAccessible::Text t) const {
    if (t != QAccessible::Name || !isValid())
        return {};
    return source()->handCardName(slot_);
}

QRect AccessibleCard::rect() const {
    if (!isValid())
        return {};
    QWidget *w = hand_->handWidget();
    const QRect local = source()->handCardRect(slot_);
    return QRect(w->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State AccessibleCard::state() const {
    QAccessible::State s;
    if (!isValid()) {
        s.invalid = true;
        return s;
    }
    const bool visible = hand_->handWidget()->isVisible();
    s.invisible = !visible;
    s.focusable = true;
    s.disabled = !source()->handCardPlayable(slot_);
    return s;
}

QStringList AccessibleCard::actionNames() const {
    return {pressAction()};
}

void AccessibleCard::doAction(const QString &actionName) {
    if (actionName == pressAction() && isValid() && source()->handCardPlayable(slot_))
        source()->pressHandCard(slot_);
}

QAccessibleInterface *handFactory(const QString &, QObject *object) {
    if (object && object->isWidgetType() && handSources().contains(object))
        return new AccessibleHandControl(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

void makeHandAccessible(QWidget *handControl, HandAccess *source) {
    static const bool installed = [] {
        QAccessible::installFactory(handFactory);
        return true;
    }();
    (void)installed;
    if (!source) {
        handSources().remove(handControl);
        handAccessChanged(handControl);
        return;
    }
    handSources().insert(handControl, source);
    // An interface made for the control before it had its cards (its name
    // was set, or a screen reader asked early) is dropped, so the next query
    // makes ours.
    QAccessibleInterface *existing = QAccessible::queryAccessibleInterface(handControl);
    if (existing && !dynamic_cast<AccessibleHandControl *>(existing))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(existing));
    QObject::connect(handControl, &QObject::destroyed,
                     [handControl] { handSources().remove(handControl); });
}

void handAccessChanged(QWidget *handControl) {
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent reorder(handControl, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reorder);
    QAccessibleEvent name(handControl, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
}

} // namespace quarn
