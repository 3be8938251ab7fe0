#pragma once

#include "core/editor/Templates.h"

#include <QList>
#include <QObject>

#include <functional>
#include <vector>

class QAction;
class QMenu;

// What the user sees of one command wherever it appears: menu text with its
// mnemonic, keys (the first one is shown in menus), the status-bar prompt and
// the toolbar tooltip. The program's own commands have no prompt.
struct CommandInfo {
    int id;
    const char* text;
    const char* keys; // "Ctrl+Z; Alt+Backspace" in portable key text; "" for none
    const char* prompt;
    const char* tip;
    const char* icon; // desktop theme icon name; "" when the command has no button
};

// The Insert menu in its order: each command's id, its menu text and the
// template it inserts in front of the next scenario.
struct InsertCommand {
    int id;
    const char* text;
    InsertTemplate kind;
    bool separatorBefore = false;
};
const std::vector<InsertCommand>& InsertCommands();

// Every command of the main window, its toolbar and the view's pop-up menu,
// the Insert commands among them.
const std::vector<CommandInfo>& CommandCatalog();
// The entry of that id, or nullptr.
const CommandInfo* FindCommand(int id);

// The live side of the catalog: one QAction per bound command, shared by the
// menus, the toolbar and the pop-up menu, with its handler and update handler.
// A command with a handler is enabled unless its update handler says otherwise;
// update handlers run when a menu is about to show and whenever the owner asks.
class CommandTable : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void()>;
    using UpdateHandler = std::function<bool()>;

    explicit CommandTable(QObject* parent = nullptr);

    // Creates the action of a catalogued command. `enabled` and `checked` are
    // optional; a command with `checked` is checkable.
    QAction* Bind(int id, Handler handler, UpdateHandler enabled = {}, UpdateHandler checked = {});
    // The bound action of that id, or nullptr.
    QAction* Action(int id) const;

    // Runs the update handlers of the given actions (unknown ones are skipped).
    void Update(const QList<QAction*>& actions) const;
    // Makes the menu run the update handlers of its items each time it opens.
    void UpdateOnShow(QMenu* menu) const;

    // A command's handler is running: its dialogs are open, or their result
    // is still being written.
    bool Running() const { return m_running > 0; }

private:
    struct Binding {
        QAction* action;
        UpdateHandler enabled;
        UpdateHandler checked;
    };
    const Binding* Find(int id) const;
    static void Apply(const Binding& binding);

    std::vector<Binding> m_bindings;
    int m_running = 0;
};
