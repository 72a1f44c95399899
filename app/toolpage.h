// A tool page the main window keeps for the session (the PMV tool, the assessment tool):
// the main window asks it before quitting whether leaving would lose the user's work.
#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

class QTableWidget;

class ToolPage : public QWidget
{
    Q_OBJECT

public:
    explicit ToolPage(QWidget *parent);

    // Nothing of a page is saved yet, so its work is unsaved once the user edited one of its
    // fields (typed into a line edit, chose a combo box item, clicked a check box or a radio
    // button) or once one of its data tables holds a filled cell (a file read, a paste, a cell
    // typed); it stays so for the session. A page that learns to save (a room file) overrides
    // it with its own "modified since the last save".
    virtual bool hasUnsavedWork() const;

protected:
    // Watches every field below this page for the user's edits and remembers the tables
    // whose cells are the user's data. Called once the page is built; fields made later
    // (dialogs opened on demand) are not watched.
    void watchForWork(const QList<QTableWidget *> &dataTables);

private:
    bool edited = false;
    QList<QPointer<QTableWidget>> tables;
};
