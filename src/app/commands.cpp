#include "app/commands.h"

namespace tarnwick::app {

namespace {

constexpr MenuInfo kMenus[] = {
    {"Project", "Proyecto1", "&Project", false},
    {"Edit", "Edicion1", "&Edit", true},
    {"View", "Ver1", "&View", true},
    {"Rooms", "Rooms1", "&Rooms", true},
    {"Mobs", "Mobs1", "&Mobs", true},
    {"Objects", "Objetos1", "&Objects", true},
    {"Shops", "Shops1", "&Shops", true},
    {"Triggers", "Triggers1", "&Triggers", true},
    {"Zone", "Zone1", "&Zone", true},
    {"Tools", "ToolsMenu", "&Tools", true},
    {"Help", "Ayuda1", "&Help", false},
};

constexpr MenuCommand kMenuCommands[] = {
    {"Project", "NuevoProyecto1", "&New Project", "NuevoProyecto1Click", "", false},
    {"Project", "Abrir1", "&Open", "Abrir1Click", "Ctrl+O", false},
    {"Project", "OpenWorldFolder1", "Open &World Folder...", "OpenWorldFolder1Click", "", false},
    {"Project", "RecentFiles1", "&Reopen", "", "", false},
    {"Project", "Guardar1", "&Save", "Guardar1Click", "Ctrl+S", false},
    {"Project", "GuardarComo1", "Save &As...", "GuardarComo1Click", "", false},
    {"Project", "Cerrar1", "&Close", "Cerrar1Click", "", false},
    {"Project", "-", "", "", "", false},
    {"Project", "EditarProyecto1", "&Edit Project properties", "EditarProyecto1Click", "", false},
    {"Project", "-", "", "", "", false},
    {"Project", "Salir1", "&Exit", "Salir1Click", "", false},
    {"Edit", "Find1", "&Find...", "Find1Click", "Ctrl+F", false},
    {"Edit", "GoToVnum1", "&Go to Vnum...", "GoToVnum1Click", "Ctrl+G", false},
    {"View", "EditordeZonas1", "&Zone Editor", "EditordeZonas1Click", "", true},
    {"View", "EditordeMobs1", "&Mob Editor", "EditordeMobs1Click", "", true},
    {"View", "EditordeRooms1", "&Room Editor", "EditordeRooms1Click", "", true},
    {"View", "EditordeObjs1", "&Object Editor", "EditordeObjs1Click", "", true},
    {"View", "EditordeShops1", "&Shop Editor", "EditordeShops1Click", "", true},
    {"View", "EditordeTriggers1", "&Trigger Editor", "EditordeTriggers1Click", "", true},
    {"View", "-", "", "", "", false},
    {"View/Toolbars", "Genera1", "&General", "Genera1Click", "", true},
    {"View/Toolbars", "Edicin1", "&Edit", "Edicin1Click", "", true},
    {"View/Lists...", "ListadeRooms2", "Room List", "ListadeRooms2Click", "", true},
    {"View/Lists...", "ListadeMobs2", "Mob List", "ListadeMobs2Click", "", true},
    {"View/Lists...", "ListadeObjetos2", "Object List", "ListadeObjetos2Click", "", true},
    {"View/Lists...", "ListadeShops2", "Shop List", "ListadeShops2Click", "", true},
    {"View/Lists...", "ListadeTriggers2", "Trigger List", "ListadeTriggers2Click", "", true},
    {"View", "-", "", "", "", false},
    {"View", "Opciones1", "&Options", "Opciones1Click", "F8", false},
    {"Rooms", "Agregar1", "&Add", "Agregar1Click", "", false},
    {"Rooms", "Editar2", "E&dit", "Editar2Click", "", false},
    {"Rooms", "Eliminar1", "&Remove", "Eliminar1Click", "", false},
    {"Rooms", "-", "", "", "", false},
    {"Rooms", "ListadeRooms1", "Room &List", "ListadeRooms1Click", "", true},
    {"Rooms", "Mapa1", "&Map", "Mapa1Click", "Ctrl+M", false},
    {"Mobs", "Agregar2", "&Add", "Agregar2Click", "", false},
    {"Mobs", "Editar1", "E&dit", "Editar1Click", "", false},
    {"Mobs", "N5", "&Remove", "N5Click", "", false},
    {"Mobs", "-", "", "", "", false},
    {"Mobs", "ListadeMobs1", "&Mob List", "ListadeMobs1Click", "", true},
    {"Objects", "Agregar3", "&Add", "Agregar3Click", "", false},
    {"Objects", "Editar3", "E&dit", "Editar3Click", "", false},
    {"Objects", "Eliminar2", "&Remove", "Eliminar2Click", "", false},
    {"Objects", "-", "", "", "", false},
    {"Objects", "ListadeObjetos1", "&Object List", "ListadeObjetos1Click", "", true},
    // The shop entries carry the same actions as the shop toolbar buttons.
    {"Shops", "Agregar4", "&Add", "NewShopClick", "", false},
    {"Shops", "Editar4", "&Edit", "Editar4Click", "", false},
    {"Shops", "Eliminar3", "&Remove", "DeleteShopClick", "", false},
    {"Shops", "-", "", "", "", false},
    {"Shops", "ListadeShops1", "&Shop List", "ListadeShops1Click", "", true},
    // tbaMUD's trigger scripts.
    {"Triggers", "Agregar5", "&Add", "NewTrigClick", "", false},
    {"Triggers", "Editar5", "&Edit", "Editar5Click", "", false},
    {"Triggers", "Eliminar5", "&Remove", "DeleteTrigClick", "", false},
    {"Triggers", "-", "", "", "", false},
    {"Triggers", "ListadeTriggers1", "&Trigger List", "ListadeTriggers1Click", "", true},
    {"Zone", "SimulateReset1", "&Simulate reset", "SimulateReset1Click", "", false},
    {"Help", "Contenido1", "&Contents", "Contenido1Click", "F1", false},
    {"Help", "Acercade1", "&About...", "Acercade1Click", "", false},
    // The Tools menu, which the "Tools" toolbar button opens too.
    {"Tools", "EditarProyecto2", "&Options\tF8", "EditarProyecto2Click", "", false},
    {"Tools", "RenumerarMundo1", "&Renumber World", "RenumerarMundo1Click", "", false},
    {"Tools", "AjustarColumnadenDesripciones1", "&Align columns in descriptions",
     "AjustarColumnadenDesripciones1Click", "", false},
    {"Tools", "CheckZone1", "&Check zone", "CheckZone1Click", "F7", false},
    {"Tools", "ReformatZone1", "Re-&format zone files...", "ReformatZone1Click", "", false},
    {"Tools", "ConvertZone1", "Con&vert zone to...", "ConvertZone1Click", "", false},
};

constexpr ToolCommand kToolCommands[] = {
    {"Tools", "NewBtn", "New project", "NuevoProyecto1Click", false},
    {"Tools", "OpenBtn", "Open project", "Abrir1Click", false},
    {"Tools", "SaveBtn", "Save Project", "Guardar1Click", true},
    {"Tools", "EditPrjBtn", "Edit Project properties", "EditarProyecto1Click", true},
    {"Tools", "ToolsBtn", "Tools", "", true},
    {"Edición", "NewMonsterBtn", "New Mob", "Agregar2Click", true},
    {"Edición", "DeleteMonsterBtn", "Remove selected mob", "N5Click", true},
    {"Edición", "NewRoomBtn", "New Room", "Agregar1Click", true},
    {"Edición", "DeleteRoomBtn", "Remove selected Room", "Eliminar1Click", true},
    {"Edición", "AddObjBtn", "New object", "Agregar3Click", true},
    {"Edición", "DeleteObjBtn", "Remove selected object", "Eliminar2Click", true},
    {"Edición", "NewShop", "New Shop", "NewShopClick", true},
    {"Edición", "DeleteShop", "Remove Selected Shop", "DeleteShopClick", true},
    {"Edición", "NewTrigBtn", "New trigger", "NewTrigClick", true},
    {"Edición", "TrigListBtn", "Trigger list", "ListadeTriggers1Click", true},
};

constexpr const char* kProjectMenuEntries[] = {"Guardar1", "GuardarComo1", "Cerrar1",
                                               "EditarProyecto1"};

}  // namespace

std::span<const MenuInfo> menus() { return kMenus; }
std::span<const MenuCommand> menu_commands() { return kMenuCommands; }
std::span<const ToolCommand> tool_commands() { return kToolCommands; }
std::span<const char* const> project_menu_entries() { return kProjectMenuEntries; }

}  // namespace tarnwick::app
