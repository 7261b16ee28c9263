#include "vetotreewidget.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <QToolTip>
#include <QTreeWidgetItemIterator>

VetoTreeWidget::VetoTreeWidget(QWidget *parent)
    : QTreeWidget(parent)
{
    QTreeView::setItemsExpandable(false);
    connect(this, &QTreeView::collapsed, this, [this](const QModelIndex &index) { relockClosed(itemFromIndex(index)); });
}

QTreeWidgetItem *VetoTreeWidget::itemAtDepthFirst(int k) const
{
    if (k < 0)
        return nullptr;
    for (QTreeWidgetItemIterator it(const_cast<VetoTreeWidget *>(this)); *it; ++it)
        if (k-- == 0)
            return *it;
    return nullptr;
}

int VetoTreeWidget::depthFirstPosition(const QTreeWidgetItem *item) const
{
    if (!item)
        return -1;
    int k = 0;
    for (QTreeWidgetItemIterator it(const_cast<VetoTreeWidget *>(this)); *it; ++it, ++k)
        if (*it == item)
            return k;
    return -1;
}

int VetoTreeWidget::level(const QTreeWidgetItem *item)
{
    int n = 0;
    for (const QTreeWidgetItem *p = item ? item->parent() : nullptr; p; p = p->parent())
        ++n;
    return n;
}

bool VetoTreeWidget::allowed(const QTreeWidgetItem *item)
{
    bool allow = true;
    emit expanding(item, allow);
    return allow;
}

void VetoTreeWidget::lock(QTreeWidgetItem *item, bool locked)
{
    const Qt::ItemFlags flags = item->flags();
    const Qt::ItemFlags wanted = locked ? flags | Qt::ItemNeverHasChildren : flags & ~Qt::ItemNeverHasChildren;
    if (wanted != flags)
        item->setFlags(wanted);
}

// An open node is never locked (the view would hide its children); a closed one holds the answer.
void VetoTreeWidget::relockClosed(QTreeWidgetItem *item)
{
    if (!item || item->childCount() == 0)
        return;
    const QModelIndex index = indexFromItem(item);
    if (isExpanded(index)) {
        lock(item, false);
        return;
    }
    sanctioned.remove(index);
    const bool locked = !allowed(item);
    lock(item, locked);
    // Unlocking shows an opening Qt stored without asking (a QTreeView pointer): it is dropped.
    if (!locked && isExpanded(index))
        dropOpening(item);
}

// Closes an opening Qt made without asking. Under a lock collapse() does not see it, so the
// view is laid out again unlocked first.
void VetoTreeWidget::dropOpening(QTreeWidgetItem *item)
{
    const bool locked = item->flags() & Qt::ItemNeverHasChildren;
    lock(item, false);
    doItemsLayout();
    QTreeView::collapse(indexFromItem(item));
    lock(item, locked);
}

// Every node checked against what it should be: a closed node holds the answer, an open one
// was allowed. An opening that did not pass through this class (expandToDepth or
// expandRecursively through a QTreeView pointer, which do not look at the model's flags) is
// put to the owner here, before anything is painted, and closed if refused.
void VetoTreeWidget::enforceAnswers()
{
    if (relocking)
        return;
    relocking = true;
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        QTreeWidgetItem *item = *it;
        if (item->childCount() == 0)
            continue;
        const QPersistentModelIndex index(indexFromItem(item));
        if (!isExpanded(index)) {
            if (!(item->flags() & Qt::ItemNeverHasChildren))
                relockClosed(item);
            else if (visualRect(indexFromItem(item->child(0))).isValid()) // laid out open under a lock
                dropOpening(item);
        } else if (!sanctioned.contains(index)) {
            if (allowed(item))
                sanctioned.insert(index);
            else
                dropOpening(item);
        }
    }
    relocking = false;
}

void VetoTreeWidget::refreshExpansionLocks()
{
    relocking = true;
    for (QTreeWidgetItemIterator it(this); *it; ++it)
        relockClosed(*it);
    relocking = false;
}

bool VetoTreeWidget::open(QTreeWidgetItem *item)
{
    if (!item || item->childCount() == 0)
        return false;
    const QPersistentModelIndex index(indexFromItem(item));
    if (sanctioned.contains(index) && isExpanded(index))
        return true;
    if (!allowed(item)) {
        lock(item, true);
        return false;
    }
    lock(item, false);
    QTreeWidget::expandItem(item);
    if (!isExpanded(index))
        return false;
    sanctioned.insert(index);
    return true;
}

void VetoTreeWidget::toggle(QTreeWidgetItem *item)
{
    if (item->isExpanded())
        collapseItem(item);
    else
        open(item);
}

void VetoTreeWidget::expandItem(const QTreeWidgetItem *item)
{
    open(itemFromIndex(indexFromItem(item)));
}

void VetoTreeWidget::expand(const QModelIndex &index)
{
    open(itemFromIndex(index));
}

void VetoTreeWidget::setExpanded(const QModelIndex &index, bool expand)
{
    if (expand)
        open(itemFromIndex(index));
    else
        collapse(index);
}

void VetoTreeWidget::expandAll()
{
    for (QTreeWidgetItemIterator it(this); *it; ++it)
        open(*it);
}

void VetoTreeWidget::expandRecursively(const QModelIndex &index, int depth)
{
    QTreeWidgetItem *top = itemFromIndex(index);
    if (!top || depth < -1)
        return;
    open(top);
    const int topLevel = level(top);
    for (QTreeWidgetItemIterator it(top); *it; ++it) {
        const QTreeWidgetItem *item = *it;
        if (item != top && level(item) <= topLevel) // past the subtree
            break;
        if (item != top && (depth == -1 || level(item) - topLevel < depth))
            open(*it);
    }
}

void VetoTreeWidget::expandToDepth(int depth)
{
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        if (level(*it) <= depth)
            open(*it);
        else if ((*it)->isExpanded())
            collapseItem(*it);
    }
}

void VetoTreeWidget::collapseAll()
{
    QTreeWidget::collapseAll();
    refreshExpansionLocks();
}

void VetoTreeWidget::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    QList<QTreeWidgetItem *> closed;
    for (QTreeWidgetItem *p = itemFromIndex(index) ? itemFromIndex(index)->parent() : nullptr; p; p = p->parent())
        if (!p->isExpanded())
            closed.prepend(p);
    for (QTreeWidgetItem *p : closed)
        if (!open(p))
            break;
    QTreeWidget::scrollTo(index, hint);
}

void VetoTreeWidget::rowsInserted(const QModelIndex &parent, int start, int end)
{
    QTreeWidget::rowsInserted(parent, start, end);
    relockClosed(itemFromIndex(parent));
}

// Every change of what the view shows ends here, whatever started it.
void VetoTreeWidget::updateGeometries()
{
    QTreeWidget::updateGeometries();
    enforceAnswers();
}

QTreeWidgetItem *VetoTreeWidget::markAt(const QPoint &pos) const
{
    const QModelIndex index = indexAt(pos);
    QTreeWidgetItem *item = itemFromIndex(index);
    if (!item || item->childCount() == 0 || (!rootIsDecorated() && !item->parent()))
        return nullptr;
    const QRect fila = visualRect(index);
    const QRect marca(isRightToLeft() ? fila.right() + 1 : fila.left() - indentation(), fila.top(), indentation(),
                      fila.height());
    return marca.contains(pos) ? item : nullptr;
}

void VetoTreeWidget::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    pressedInside = true;
    const QPoint pos = event->position().toPoint();
    if (QTreeWidgetItem *item = markAt(pos))
        toggle(item);
    else if (indexAt(pos).isValid())
        QTreeWidget::mousePressEvent(event);
}

// The second press of a double click opens or closes the node under it, on its mark as on its
// row; the selection was made by the first press and stays.
void VetoTreeWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    pressedInside = true;
    const QPoint pos = event->position().toPoint();
    if (QTreeWidgetItem *item = itemAt(pos); item && item->childCount() > 0)
        toggle(item);
}

void VetoTreeWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !pressedInside) {
        event->accept();
        return;
    }
    pressedInside = false;
    QTreeWidget::mouseReleaseEvent(event);
    if (viewport()->rect().contains(event->position().toPoint()))
        emit treeClicked();
}

void VetoTreeWidget::keyPressEvent(QKeyEvent *event)
{
    QTreeWidgetItem *current = currentItem();
    const bool pulsar = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space;
    if (pulsar && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        if (current) {
            setCurrentItem(current); // selected, as a press on the row selects it
            emit treeClicked();
        }
        return;
    }
    const bool forward = isRightToLeft() ? event->key() == Qt::Key_Left : event->key() == Qt::Key_Right;
    const bool back = isRightToLeft() ? event->key() == Qt::Key_Right : event->key() == Qt::Key_Left;
    if (!current || !(forward || back || event->key() == Qt::Key_Plus || event->key() == Qt::Key_Minus
                      || event->key() == Qt::Key_Asterisk)) {
        QTreeWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (event->key() == Qt::Key_Plus) {
        open(current);
        emit ramaConTeclado(current, true);
    } else if (event->key() == Qt::Key_Minus) {
        collapseItem(current);
        emit ramaConTeclado(current, false);
    } else if (event->key() == Qt::Key_Asterisk) {
        expandRecursively(indexFromItem(current));
    } else if (forward && current->childCount() > 0 && !current->isExpanded()) {
        open(current);
        emit ramaConTeclado(current, true);
    } else if (forward && current->childCount() > 0) {
        setCurrentItem(current->child(0));
    } else if (back && current->isExpanded()) {
        collapseItem(current);
        emit ramaConTeclado(current, false);
    } else if (back && current->parent()) {
        setCurrentItem(current->parent());
    }
}

bool VetoTreeWidget::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *const ayuda = static_cast<QHelpEvent *>(event);
        if (const QTreeWidgetItem *item = itemAt(ayuda->pos()))
            QToolTip::showText(ayuda->globalPos(), item->text(0), viewport(), visualItemRect(item));
        else
            QToolTip::hideText();
        return true;
    }
    return QTreeWidget::viewportEvent(event);
}

void VetoTreeWidget::drawBranches(QPainter *painter, const QRect &rect, const QModelIndex &index) const
{
    const bool selected = selectionModel() && selectionModel()->isSelected(index);
    if (selected)
        painter->fillRect(rect, palette().brush(hasFocus() ? QPalette::Active : QPalette::Inactive, QPalette::Highlight));
    QTreeWidget::drawBranches(painter, rect, index);

    // Qt draws no mark on a locked node: draw the closed mark it would have.
    const QTreeWidgetItem *item = itemFromIndex(index);
    if (!item || item->childCount() == 0 || !(item->flags() & Qt::ItemNeverHasChildren)
        || (!rootIsDecorated() && !item->parent()))
        return;
    QStyleOption opcion;
    opcion.initFrom(this);
    opcion.rect = QRect(isRightToLeft() ? rect.left() : rect.right() + 1 - indentation(), rect.top(), indentation(),
                        rect.height());
    opcion.state = QStyle::State_Item | QStyle::State_Children;
    if (selected)
        opcion.state |= QStyle::State_Selected;
    if (index.row() + 1 < model()->rowCount(index.parent()))
        opcion.state |= QStyle::State_Sibling;
    style()->drawPrimitive(QStyle::PE_IndicatorBranch, &opcion, painter, this);
}

void VetoTreeWidget::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    if (hasFocus() || !QAccessible::isActive()) {
        QTreeWidget::currentChanged(current, previous);
        return;
    }
    // The tree view's own step adds only the focus event to the item view's: skip it.
    QAbstractItemView::currentChanged(current, previous);
}
