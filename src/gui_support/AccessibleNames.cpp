#include "gui_support/AccessibleNames.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>

namespace AccessibleNames {

namespace {

constexpr const char* kTitleProperty = "selvanorAccessibleTitle";

class PairedLabel : public QAccessibleWidget {
public:
    PairedLabel(QLabel* value, QLabel* title) : QAccessibleWidget(value, QAccessible::StaticText), title_(title) {}

    QString text(QAccessible::Text kind) const override {
        const auto* value = static_cast<const QLabel*>(widget());
        if (kind != QAccessible::Name || !value->accessibleName().isEmpty()) return QAccessibleWidget::text(kind);
        // Every title reads as one ("Dunhale-Varnel Goddess" has no colon of its own).
        QString title = title_ ? title_->text().remove('&') : QString();
        if (title.isEmpty()) return value->text();
        if (!title.endsWith(':')) title += ':';
        return title + ' ' + value->text();
    }

private:
    QPointer<QLabel> title_;
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (auto* value = qobject_cast<QLabel*>(widget)) {
        const QVariant title = value->property(kTitleProperty);
        if (title.isValid()) return new PairedLabel(value, qobject_cast<QLabel*>(title.value<QObject*>()));
    }
    // Asked first for the most derived class: a window class made straight from QWidget.
    const QMetaObject* type = widget->metaObject();
    if (widget->isWindow() && className == QLatin1String(type->className()) &&
        type->superClass() == &QWidget::staticMetaObject)
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

}  // namespace

void Install() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

void Pair(QLabel* title, QLabel* value) {
    Install();
    value->setProperty(kTitleProperty, QVariant::fromValue<QObject*>(title));
}

void Caption(QWidget* control, const QString& caption) {
    Install();
    auto* label = new QLabel(caption, control->parentWidget());
    label->setObjectName(control->objectName() + "_caption");
    label->setBuddy(control);
    label->hide();
}

}  // namespace AccessibleNames
