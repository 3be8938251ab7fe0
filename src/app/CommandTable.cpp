#include "CommandTable.h"

#include "CommandIds.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QPointer>

using namespace CommandId;

const std::vector<InsertCommand>& InsertCommands()
{
    using enum InsertTemplate;
    // In the menu a separator stands before each command marked true.
    static const std::vector<InsertCommand> commands = {
        { 32785, "Scenario", Scenario },
        { 32796, "Scenario with Tables", ScenarioWithTables },
        { 32786, "Scenario Outline", ScenarioOutline },
        { 32811, "Background", Background },
        { 32787, "Business Rule", BusinessRule, true },
        { 32803, "Domain Term", DomainTerm },
        { 32812, "Include File", IncludeFile, true },
        { 32804, "Sample Scenario", SampleScenario, true },
        { 32805, "Sample Business Rule", SampleBusinessRule },
        { 32806, "Sample Domain Term", SampleDomainTerm },
        { 32809, "Sample Scenario with Tables", SampleScenarioWithTables },
        { 32808, "Sample Scenario Outline", SampleScenarioOutline },
        { 32788, "Rule", Rule, true },
        { 32797, "Example", Example },
    };
    return commands;
}

namespace {

std::vector<CommandInfo> BuildCatalog()
{
    // Keys that only mean something to an embedded-object container (Esc,
    // Alt+Enter) or to a split window (F6, Shift+F6) are left out: this window
    // has neither, and binding them would only steal the keys from the text.
    std::vector<CommandInfo> catalog = {
        { ID_FILE_NEW, "&New", "Ctrl+N", "Create a new document", "New", "document-new" },
        { ID_FILE_OPEN, "&Open...", "Ctrl+O", "Open an existing document", "Open", "document-open" },
        { ID_FILE_SAVE, "&Save", "Ctrl+S", "Save the active document", "Save", "document-save" },
        { ID_FILE_SAVE_AS, "Save &As...", "", "Save the active document with a new name", "Save As", "" },
        { ID_FILE_PRINT, "&Print...", "Ctrl+P", "Print the active document", "Print", "document-print" },
        { ID_FILE_PRINT_PREVIEW, "Print Pre&view", "", "Display full pages", "Print Preview", "" },
        { ID_FILE_PAGE_SETUP, "P&rint Setup...", "", "Change the printer and printing options", "Print Setup",
            "" },
        { ID_FILE_MRU_FILE1, "Recent File", "", "Open this document", "", "" },
        { ID_APP_EXIT, "E&xit", "", "Quit the application; prompts to save documents", "Exit", "" },

        { ID_EDIT_UNDO, "&Undo", "Ctrl+Z; Alt+Backspace", "Undo the last action", "Undo", "" },
        { ID_EDIT_REDO, "&Redo", "Ctrl+Y; Ctrl+Shift+Z", "Redo the previously undone action", "Redo", "" },
        { ID_EDIT_CUT, "Cu&t", "Ctrl+X; Shift+Del", "Cut the selection and put it on the Clipboard", "Cut",
            "edit-cut" },
        { ID_EDIT_COPY, "&Copy", "Ctrl+C; Ctrl+Ins", "Copy the selection and put it on the Clipboard", "Copy",
            "edit-copy" },
        { ID_EDIT_PASTE, "&Paste", "Ctrl+V; Shift+Ins", "Insert Clipboard contents", "Paste", "edit-paste" },
        { ID_EDIT_SELECT_ALL, "Select A&ll", "Ctrl+A", "Select the entire document", "Select All", "" },
        { ID_EDIT_FIND, "&Find...", "Ctrl+F", "Find the specified text", "Find", "" },
        { ID_EDIT_REPEAT, "F&ind Next", "F3", "Repeat the last action", "Repeat", "" },
        { ID_EDIT_REPLACE, "R&eplace", "Ctrl+H", "Replace specific text with different text", "Replace", "" },
        { ID_EDIT_FORMAT, "Format", "", "", "", "" },
        { ID_EDIT_UNFORMAT, "Unformat", "", "", "", "" },
        { ID_EDIT_NEXT_PROBLEM, "&Next Problem", "F8", "", "", "" },
        { ID_EDIT_PREVIOUS_PROBLEM, "Pre&vious Problem", "Shift+F8", "", "", "" },

        // The one bar the window has, listed under "Toolbars and Docking Windows".
        { ID_VIEW_TOOLBAR, "Standard", "", "", "", "" },
        { ID_VIEW_STATUS_BAR, "&Status Bar", "", "Show or hide the status bar", "Toggle Status Bar", "" },
        { ID_VIEW_REFRESH, "Refresh ", "", "", "", "" },
        { ID_VIEW_PROBLEMS, "&Problems", "", "", "", "" },

        { ID_SETTINGS, "Settings", "", "", "", "" },
        { ID_SETTINGS_NO_MENU, "Settings", "", "", "", "" },
        { ID_APP_ABOUT, "&About Quillmark2...", "",
            "Display program information, version number and copyright", "About", "help-about" },
        { ID_HELP_EDITOR, "Help", "", "", "", "" },

        { ID_TABLE, "Table ", "", "", "", "" },
        { ID_STRING, "String ", "", "", "", "" },
        { ID_EDIT_INCLUDE_FILE, "Edit Include File", "", "", "", "" },
    };
    for (const InsertCommand& command : InsertCommands())
        catalog.push_back({ command.id, command.text, "", "", "", "" });
    return catalog;
}

} // namespace

const std::vector<CommandInfo>& CommandCatalog()
{
    static const std::vector<CommandInfo> catalog = BuildCatalog();
    return catalog;
}

const CommandInfo* FindCommand(int id)
{
    for (const CommandInfo& info : CommandCatalog()) {
        if (info.id == id)
            return &info;
    }
    return nullptr;
}

CommandTable::CommandTable(QObject* parent)
    : QObject(parent)
{
}

QAction* CommandTable::Bind(int id, Handler handler, UpdateHandler enabled, UpdateHandler checked)
{
    const CommandInfo* info = FindCommand(id);
    Q_ASSERT_X(info, "CommandTable::Bind", "command id missing from the catalog");
    Q_ASSERT_X(!Find(id), "CommandTable::Bind", "command bound twice");
    if (!info || Find(id))
        return Action(id);

    auto* action = new QAction(QString::fromUtf8(info->text), this);
    action->setData(id);
    const QString keys = QString::fromUtf8(info->keys);
    if (!keys.isEmpty())
        action->setShortcuts(QKeySequence::listFromString(keys, QKeySequence::PortableText));
    action->setStatusTip(QString::fromUtf8(info->prompt));
    if (*info->tip)
        action->setToolTip(QString::fromUtf8(info->tip));
    if (*info->icon) {
        // The desktop theme's icon where there is one, our own drawing otherwise.
        const QString name = QString::fromUtf8(info->icon);
        action->setIcon(QIcon::fromTheme(name, QIcon(QStringLiteral(":/icons/%1.svg").arg(name))));
    }
    action->setCheckable(static_cast<bool>(checked));
    connect(action, &QAction::triggered, this, [this, handler] {
        if (!handler)
            return;
        const QPointer<CommandTable> self(this);
        ++m_running;
        handler();
        if (self)
            --m_running;
    });
    m_bindings.push_back({ action, std::move(enabled), std::move(checked) });
    return action;
}

QAction* CommandTable::Action(int id) const
{
    const Binding* binding = Find(id);
    return binding ? binding->action : nullptr;
}

void CommandTable::Update(const QList<QAction*>& actions) const
{
    for (const Binding& binding : m_bindings) {
        if (actions.contains(binding.action))
            Apply(binding);
    }
}

void CommandTable::UpdateOnShow(QMenu* menu) const
{
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { Update(menu->actions()); });
}

const CommandTable::Binding* CommandTable::Find(int id) const
{
    for (const Binding& binding : m_bindings) {
        if (binding.action->data().toInt() == id)
            return &binding;
    }
    return nullptr;
}

void CommandTable::Apply(const Binding& binding)
{
    if (binding.enabled)
        binding.action->setEnabled(binding.enabled());
    if (binding.checked)
        binding.action->setChecked(binding.checked());
}
