#pragma once

#include <QPersistentModelIndex>
#include <QSet>
#include <QTreeWidget>

// A tree that puts every expansion to its owner first, through expanding(item, allow), and
// refuses it when the owner says no. Qt's tree has no such veto; it is built in three layers:
//  - Every road this class can see opens nodes through one function that asks first: the
//    expand marks and double clicks, the keys (Right with any modifier, "+", "*"), scrolling
//    to a node under closed parents, and the expand slots (expand, setExpanded, expandAll,
//    expandRecursively, expandToDepth, expandItem), redeclared here so that calls through
//    this class, connections and invokeMethod all land here. Qt's own user routes are off
//    (itemsExpandable is false).
//  - The model carries the answers: a closed node the owner refuses holds
//    Qt::ItemNeverHasChildren, which QTreeView::expand and the view's layout check, so roads
//    that do not pass through this class (QTreeWidgetItem::setExpanded, expand, setExpanded or
//    expandAll through a QTreeView pointer) are refused before anything opens or expanded()
//    is emitted.
//  - Every layout ends in updateGeometries(), where each node is checked: an open node the
//    owner has not allowed is put to it and closed if refused, before anything is painted.
//    This catches expandToDepth and expandRecursively called through a QTreeView pointer,
//    which do not look at the flag (the latter still emits expanded() first).
// The answers are asked again whenever a node closes or rows are inserted, and by
// refreshExpansionLocks() when what the owner decides on has changed. A refused node keeps
// its expand mark. Collapsing is never refused.
//
// treeClicked() is raised when the left button goes up inside the tree after going down
// there: on a row (selected on the press), on an expand mark or on empty space (neither
// changes the selection). Keyboard moves never raise it; Enter and Space on the current row
// do, as a click on that row would (the row is selected first). Selected rows are highlighted
// across their indentation too, and every row shows its whole text as its tooltip (long ones
// are cut with "…" in the view).
class VetoTreeWidget : public QTreeWidget
{
    Q_OBJECT

public:
    explicit VetoTreeWidget(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(VetoTreeWidget)

    // Node at position k of the depth-first order, counting from 0; null when there is none.
    QTreeWidgetItem *itemAtDepthFirst(int k) const;
    // Depth-first position of a node of this tree, -1 for null.
    int depthFirstPosition(const QTreeWidgetItem *item) const;
    // Nesting level of a node: 0 at the top.
    static int level(const QTreeWidgetItem *item);

    // Ask the owner again about every closed node.
    void refreshExpansionLocks();

    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

public slots:
    void expandItem(const QTreeWidgetItem *item);
    void expand(const QModelIndex &index);
    void setExpanded(const QModelIndex &index, bool expand);
    void expandAll();
    void expandRecursively(const QModelIndex &index, int depth = -1);
    void expandToDepth(int depth);
    void collapseAll();

signals:
    void expanding(const QTreeWidgetItem *item, bool &allow);
    void treeClicked();
    // A key tried to open (Right, "+") or close (Left, "-") the current node: it may now be
    // open, closed, or refused.
    void ramaConTeclado(const QTreeWidgetItem *item, bool abrir);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void drawBranches(QPainter *painter, const QRect &rect, const QModelIndex &index) const override;
    void rowsInserted(const QModelIndex &parent, int start, int end) override;
    void updateGeometries() override;
    // A node made current by the program while the keyboard is elsewhere (the entry shown
    // moved the selection) is not reported to screen readers as a focus move.
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    bool allowed(const QTreeWidgetItem *item);
    bool open(QTreeWidgetItem *item); // asks, opens when allowed; whether it is open now
    void toggle(QTreeWidgetItem *item);
    void lock(QTreeWidgetItem *item, bool locked);
    void relockClosed(QTreeWidgetItem *item);
    void enforceAnswers();
    void dropOpening(QTreeWidgetItem *item);
    QTreeWidgetItem *markAt(const QPoint &pos) const;

    QSet<QPersistentModelIndex> sanctioned; // open nodes the owner allowed
    bool pressedInside = false;
    bool relocking = false;
};
