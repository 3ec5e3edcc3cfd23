// SPDX-License-Identifier: MIT
#include "ui/app/LayoutCheck.h"

#include <QAccessible>
#include <QQuickItem>
#include <QQuickWindow>

namespace lunafold {

namespace {

constexpr double kSlack = 0.5; // layouts place items on fractional points

// The item's own box: an image cropped to fill it paints beyond it, which the box does not.
QRectF sceneBox(const QQuickItem *item) {
    return item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
}

QString describe(const QQuickItem *item) {
    const QRectF r = sceneBox(item);
    QString name = QString::fromLatin1(item->metaObject()->className());
    name = name.section(u'_', 0, 0); // QML types carry a suffix
    if (!item->objectName().isEmpty())
        name += u'#' + item->objectName();
    // The nearest named ancestor says where to look.
    for (const QQuickItem *p = item->parentItem(); p; p = p->parentItem())
        if (!p->objectName().isEmpty()) {
            name += QStringLiteral(" in #") + p->objectName();
            break;
        }
    return QStringLiteral("%1 at %2,%3 %4x%5")
        .arg(name)
        .arg(r.x(), 0, 'f', 0)
        .arg(r.y(), 0, 'f', 0)
        .arg(r.width(), 0, 'f', 0)
        .arg(r.height(), 0, 'f', 0);
}

QString quoted(const QString &text) {
    QString t = text.simplified();
    if (t.size() > 60)
        t = t.left(57) + QStringLiteral("...");
    return u'"' + t + u'"';
}

bool shows(const QQuickItem *item) {
    if (!item->isVisible() || item->width() <= 0 || item->height() <= 0)
        return false;
    for (const QQuickItem *p = item; p; p = p->parentItem())
        if (p->opacity() <= 0.01)
            return false;
    return true;
}

// Children of a scrolling view or a clipping item may lie outside the window on purpose.
struct Context {
    bool scrollsVertically = false;
    bool clipped = false;
};

bool isScrollingContainer(const QQuickItem *item) {
    return item->inherits("QQuickFlickable") || item->inherits("QQuickPathView");
}

void checkText(const QQuickItem *item, QStringList &out) {
    const QString text = item->property("text").toString();
    if (text.trimmed().isEmpty() || item->property("elideIntended").toBool())
        return;
    if (item->property("truncated").toBool()) {
        out << QStringLiteral("elided text %1: %2").arg(quoted(text), describe(item));
        return;
    }
    const double contentWidth = item->property("contentWidth").toDouble();
    const double contentHeight = item->property("contentHeight").toDouble();
    if (contentWidth > item->width() + 1.0)
        out << QStringLiteral("text wider than its box (%1 > %2): %3 %4")
                   .arg(contentWidth, 0, 'f', 0)
                   .arg(item->width(), 0, 'f', 0)
                   .arg(quoted(text), describe(item));
    // Line spacing may round a wrapped text's content a point or two above its box.
    else if (contentHeight > item->height() + 3.0 && !item->clip())
        out << QStringLiteral("text taller than its box (%1 > %2): %3 %4")
                   .arg(contentHeight, 0, 'f', 0)
                   .arg(item->height(), 0, 'f', 0)
                   .arg(quoted(text), describe(item));
    else if (item->clip() && (contentWidth > item->width() + 1.0 || contentHeight > item->height() + 1.0))
        out << QStringLiteral("clipped text %1: %2").arg(quoted(text), describe(item));
}

void walk(const QQuickItem *item, const QRectF &window, Context context, bool boundsReported,
          QStringList &out) {
    if (!shows(item))
        return;
    if (item->inherits("QQuickText"))
        checkText(item, out);
    if (!boundsReported && !context.clipped) {
        const QRectF r = sceneBox(item);
        const bool outside = r.left() < window.left() - kSlack || r.right() > window.right() + kSlack ||
                             (!context.scrollsVertically &&
                              (r.top() < window.top() - kSlack || r.bottom() > window.bottom() + kSlack));
        if (outside) {
            out << QStringLiteral("partly outside the window: %1").arg(describe(item));
            boundsReported = true; // its children go with it
        }
    }
    if (isScrollingContainer(item)) {
        const double contentHeight = item->property("contentHeight").toDouble();
        if (item->inherits("QQuickPathView") || contentHeight > item->height() + 1.0)
            context.scrollsVertically = true;
        if (item->inherits("QQuickPathView") || item->inherits("QQuickListView"))
            context.clipped = true;
    }
    if (item->clip())
        context.clipped = true;
    for (const QQuickItem *child : item->childItems())
        walk(child, window, context, boundsReported, out);
}

QObject *accessibleAttached(const QQuickItem *item) {
    for (QObject *child : item->children())
        if (child->inherits("QQuickAccessibleAttached"))
            return child;
    return nullptr;
}

bool hasEnabledHandler(const QQuickItem *item) {
    // A mouse area for the wheel alone is nothing to press.
    if (item->inherits("QQuickMouseArea") && item->isEnabled() &&
        item->acceptedMouseButtons() != Qt::NoButton)
        return true;
    for (const QObject *child : item->children())
        if (child->inherits("QQuickTapHandler") && child->property("enabled").toBool())
            return true;
    return false;
}

bool interactiveRole(QAccessible::Role role) {
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
    case QAccessible::Link:
    case QAccessible::PageTab:
    case QAccessible::MenuItem:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::EditableText:
        return true;
    default:
        return false;
    }
}

// What a screen reader reads as words or layout, not as something to press.
bool textualRole(QAccessible::Role role) {
    return role == QAccessible::NoRole || role == QAccessible::Client || role == QAccessible::StaticText ||
           role == QAccessible::Heading || role == QAccessible::Pane || role == QAccessible::Grouping;
}

void walkAccessible(const QQuickItem *item, bool insideNamedControl, QStringList &out) {
    if (!shows(item))
        return;
    const QObject *attached = accessibleAttached(item);
    const bool ignored = attached && attached->property("ignored").toBool();
    QAccessibleInterface *iface =
        ignored ? nullptr : QAccessible::queryAccessibleInterface(const_cast<QQuickItem *>(item));
    const bool control = item->inherits("QQuickAbstractButton") || item->inherits("QQuickTextInput") ||
                         item->inherits("QQuickTumbler") || hasEnabledHandler(item) ||
                         (iface && interactiveRole(iface->role()));
    if (control && item->isEnabled()) {
        QString name = iface ? iface->text(QAccessible::Name).trimmed() : QString();
        // With a screen reader running Qt names a button after its text; without a platform
        // reader (offscreen) that step never happens, so the check takes it here.
        if (name.isEmpty() && !ignored && item->inherits("QQuickAbstractButton"))
            name = item->property("text").toString().trimmed();
        if (ignored && !insideNamedControl)
            out << QStringLiteral("tappable but hidden from screen readers: %1").arg(describe(item));
        else if (!ignored && name.isEmpty() && !insideNamedControl)
            out << QStringLiteral("control without an accessible name: %1").arg(describe(item));
        else if (!ignored && iface && textualRole(iface->role()) && !insideNamedControl)
            out << QStringLiteral("control %1 without a control's role: %2")
                       .arg(quoted(name), describe(item));
        if (!name.isEmpty())
            insideNamedControl = true; // a named control speaks for the parts inside it
    }
    for (const QQuickItem *child : item->childItems())
        walkAccessible(child, insideNamedControl, out);
}

} // namespace

QStringList layoutFindings(QQuickWindow *window) {
    QStringList out;
    if (!window)
        return out;
    walk(window->contentItem(), QRectF(0, 0, window->width(), window->height()), {}, false, out);
    return out;
}

QStringList accessibilityFindings(QQuickWindow *window) {
    QStringList out;
    if (!window)
        return out;
    QAccessible::setActive(true); // as a screen reader does when it starts
    walkAccessible(window->contentItem(), false, out);
    return out;
}

} // namespace lunafold
