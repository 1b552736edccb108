#include "Accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QVariant>
#include <QWidget>

#include "ui/LinkLabel.h"

namespace cindrel {

namespace {

/// The dynamic property that carries a role chosen by setAccessibleRole.
constexpr char kRoleProperty[] = "cindrelAccessibleRole";
/// The dynamic property that marks a drop-down list named by its heading.
constexpr char kNamedListProperty[] = "cindrelNamedList";

/// A link label: read with its text and the role of a link, pressed through
/// the accessibility action like a left click and focused as by Tab. A
/// hidden label (the banner's label behind) cannot be pressed, just as the
/// mouse cannot reach it.
class LinkLabelAccessible : public QAccessibleWidget {
public:
    explicit LinkLabelAccessible(LinkLabel *label) : QAccessibleWidget(label, QAccessible::Link) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        // Qt takes no focus to a hidden widget, whatever its focus policy.
        if (!widget()->isVisible())
            s.focusable = false;
        return s;
    }

    QStringList actionNames() const override
    {
        if (!widget()->isVisible() || !widget()->isEnabled())
            return {};
        // Focusing by the screen reader moves the keyboard focus there, as Tab does.
        if (widget()->focusPolicy() & Qt::TabFocus)
            return {pressAction(), setFocusAction()};
        return {pressAction()};
    }

    void doAction(const QString &name) override
    {
        if (!actionNames().contains(name))
            return;
        if (name == pressAction())
            emit static_cast<LinkLabel *>(widget())->clicked();
        else
            QAccessibleWidget::doAction(name);
    }
};

/// A drop-down list read by its own name, its selected entry as its value.
/// Like Qt's own, it has one child, the list of entries, and opens or closes
/// that list on its press and show-menu actions.
class NamedDropDownAccessible : public QAccessibleWidget {
public:
    explicit NamedDropDownAccessible(QComboBox *list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value || (t == QAccessible::Name && widget()->accessibleName().isEmpty()))
            return list()->currentText();
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &name) override
    {
        if (name != showMenuAction() && name != pressAction()) {
            QAccessibleWidget::doAction(name);
            return;
        }
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }

private:
    QComboBox *list() const { return static_cast<QComboBox *>(widget()); }
};

QAccessibleInterface *programInterfaces(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("cindrel::LinkLabel"))
        return new LinkLabelAccessible(static_cast<LinkLabel *>(widget));
    if (auto *list = qobject_cast<QComboBox *>(widget); list && list->property(kNamedListProperty).toBool())
        return new NamedDropDownAccessible(list);
    const QVariant role = widget->property(kRoleProperty);
    if (role.isValid())
        return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    static const bool installed = (QAccessible::installFactory(programInterfaces), true);
    Q_UNUSED(installed);
}

void setAccessibleRole(QWidget *widget, QAccessible::Role role)
{
    widget->setProperty(kRoleProperty, static_cast<int>(role));
}

void setDropDownListName(QComboBox *list, const QString &name)
{
    list->setProperty(kNamedListProperty, true);
    list->setAccessibleName(name);
    // With the name taken by the heading, the entry in use is found as the
    // selected entry of the list. Qt selects it only while the list is
    // open; keep it selected at all times.
    const auto selectCurrent = [list] {
        QItemSelectionModel *selection = list->view()->selectionModel();
        const QModelIndex current = list->model()->index(list->currentIndex(), list->modelColumn(),
                                                         list->rootModelIndex());
        if (current.isValid())
            selection->select(current, QItemSelectionModel::ClearAndSelect);
        else
            selection->clearSelection();
    };
    QObject::connect(list, &QComboBox::currentIndexChanged, list, selectCurrent);
    selectCurrent();

    // The other way round: an assistive tool chooses an entry by selecting it
    // in the list (the entries' toggle action does that), and with the list
    // closed nothing else would take the choice, so the entry selected last
    // becomes the one in use. (Qt refuses to unselect the one selected entry
    // of a list like this, so one always stays selected.) While the list is
    // open the selection follows the mouse, and a click takes the entry as
    // usual.
    QObject::connect(list->view()->selectionModel(), &QItemSelectionModel::selectionChanged, list,
                     [list](const QItemSelection &selected) {
                         const QModelIndexList added = selected.indexes();
                         if (!list->view()->isVisible() && !added.isEmpty())
                             list->setCurrentIndex(added.last().row());
                     });
}

QString opensPageDescription(SitePage page)
{
    return QCoreApplication::translate("cindrel::Accessibility", sitePageRow(page).description);
}

} // namespace cindrel
