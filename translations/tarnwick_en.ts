<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutBox</name>
    <message>
        <source>Acerca de Tarnwick...</source>
        <translation>About Tarnwick...</translation>
    </message>
    <message>
        <source>&amp;Cerrar</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>ConvertDialog</name>
    <message>
        <source>Convert zone</source>
        <translation>Convert zone</translation>
    </message>
</context>
<context>
    <name>DialectPage</name>
    <message>
        <source>%1, word %2</source>
        <translation>%1, word %2</translation>
    </message>
</context>
<context>
    <name>FindWindow</name>
    <message>
        <source>Find in Zone</source>
        <translation>Find in Zone</translation>
    </message>
    <message>
        <source>Word, text or vnum</source>
        <translation>Word, text or vnum</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Match &amp;case</translation>
    </message>
    <message>
        <source>&amp;Whole words</source>
        <translation>&amp;Whole words</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Tarnwick Help</source>
        <translation>Tarnwick Help</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Project</source>
        <translation>&amp;Project</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Rooms</source>
        <translation>&amp;Rooms</translation>
    </message>
    <message>
        <source>&amp;Mobs</source>
        <translation>&amp;Mobs</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Objects</translation>
    </message>
    <message>
        <source>&amp;Shops</source>
        <translation>&amp;Shops</translation>
    </message>
    <message>
        <source>&amp;Triggers</source>
        <translation>&amp;Triggers</translation>
    </message>
    <message>
        <source>&amp;Zone</source>
        <translation>&amp;Zone</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation>&amp;New Project</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Open &amp;World Folder...</source>
        <translation>Open &amp;World Folder...</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>&amp;Reopen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Edit Project properties</source>
        <translation>&amp;Edit Project properties</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Exit</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Find...</translation>
    </message>
    <message>
        <source>&amp;Go to Vnum...</source>
        <translation>&amp;Go to Vnum...</translation>
    </message>
    <message>
        <source>&amp;Zone Editor</source>
        <translation>&amp;Zone Editor</translation>
    </message>
    <message>
        <source>&amp;Mob Editor</source>
        <translation>&amp;Mob Editor</translation>
    </message>
    <message>
        <source>&amp;Room Editor</source>
        <translation>&amp;Room Editor</translation>
    </message>
    <message>
        <source>&amp;Object Editor</source>
        <translation>&amp;Object Editor</translation>
    </message>
    <message>
        <source>&amp;Shop Editor</source>
        <translation>&amp;Shop Editor</translation>
    </message>
    <message>
        <source>&amp;Trigger Editor</source>
        <translation>&amp;Trigger Editor</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;General</translation>
    </message>
    <message>
        <source>Room List</source>
        <translation>Room List</translation>
    </message>
    <message>
        <source>Mob List</source>
        <translation>Mob List</translation>
    </message>
    <message>
        <source>Object List</source>
        <translation>Object List</translation>
    </message>
    <message>
        <source>Shop List</source>
        <translation>Shop List</translation>
    </message>
    <message>
        <source>Trigger List</source>
        <translation>Trigger List</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>E&amp;dit</source>
        <translation>E&amp;dit</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>Room &amp;List</source>
        <translation>Room &amp;List</translation>
    </message>
    <message>
        <source>&amp;Map</source>
        <translation>&amp;Map</translation>
    </message>
    <message>
        <source>&amp;Mob List</source>
        <translation>&amp;Mob List</translation>
    </message>
    <message>
        <source>&amp;Object List</source>
        <translation>&amp;Object List</translation>
    </message>
    <message>
        <source>&amp;Shop List</source>
        <translation>&amp;Shop List</translation>
    </message>
    <message>
        <source>&amp;Trigger List</source>
        <translation>&amp;Trigger List</translation>
    </message>
    <message>
        <source>&amp;Simulate reset</source>
        <translation>&amp;Simulate reset</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>&amp;Options	F8</source>
        <translation>&amp;Options	F8</translation>
    </message>
    <message>
        <source>&amp;Renumber World</source>
        <translation>&amp;Renumber World</translation>
    </message>
    <message>
        <source>&amp;Align columns in descriptions</source>
        <translation>&amp;Align columns in descriptions</translation>
    </message>
    <message>
        <source>&amp;Check zone</source>
        <translation>&amp;Check zone</translation>
    </message>
    <message>
        <source>Re-&amp;format zone files...</source>
        <translation>Re-&amp;format zone files...</translation>
    </message>
    <message>
        <source>Con&amp;vert zone to...</source>
        <translation>Con&amp;vert zone to...</translation>
    </message>
    <message>
        <source>New project</source>
        <translation>New project</translation>
    </message>
    <message>
        <source>Open project</source>
        <translation>Open project</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Save Project</translation>
    </message>
    <message>
        <source>Edit Project properties</source>
        <translation>Edit Project properties</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>New Mob</source>
        <translation>New Mob</translation>
    </message>
    <message>
        <source>Remove selected mob</source>
        <translation>Remove selected mob</translation>
    </message>
    <message>
        <source>New Room</source>
        <translation>New Room</translation>
    </message>
    <message>
        <source>Remove selected Room</source>
        <translation>Remove selected Room</translation>
    </message>
    <message>
        <source>New object</source>
        <translation>New object</translation>
    </message>
    <message>
        <source>Remove selected object</source>
        <translation>Remove selected object</translation>
    </message>
    <message>
        <source>New Shop</source>
        <translation>New Shop</translation>
    </message>
    <message>
        <source>Remove Selected Shop</source>
        <translation>Remove Selected Shop</translation>
    </message>
    <message>
        <source>New trigger</source>
        <translation>New trigger</translation>
    </message>
    <message>
        <source>Trigger list</source>
        <translation>Trigger list</translation>
    </message>
    <message>
        <source>Sin Proyecto</source>
        <translation>No Project</translation>
    </message>
    <message>
        <source>Edición</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>No Project</source>
        <translation>No Project</translation>
    </message>
    <message>
        <source>Conversion report</source>
        <translation>Conversion report</translation>
    </message>
</context>
<context>
    <name>MapWindow</name>
    <message>
        <source>The reset after which the rooms are coloured (1 is the boot&apos;s)</source>
        <translation>The reset after which the rooms are coloured (1 is the boot&apos;s)</translation>
    </message>
    <message>
        <source>&amp;Colour:</source>
        <translation>&amp;Colour:</translation>
    </message>
    <message>
        <source>Zone map</source>
        <translation>Zone map</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Level:</translation>
    </message>
</context>
<context>
    <name>ObjectChoiceDialog</name>
    <message>
        <source>Select Object:</source>
        <translation>Select Object:</translation>
    </message>
    <message>
        <source>&amp;Object (pick one, or type a vnum):</source>
        <translation>&amp;Object (pick one, or type a vnum):</translation>
    </message>
</context>
<context>
    <name>PrefsForm</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source> Autocorrection </source>
        <translation> Autocorrection </translation>
    </message>
    <message>
        <source>Adjust columns at</source>
        <translation>Adjust columns at</translation>
    </message>
    <message>
        <source>characters.</source>
        <translation>characters.</translation>
    </message>
    <message>
        <source>Interface language:</source>
        <translation>Interface language:</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Background color</translation>
    </message>
    <message>
        <source>Dialog Font</source>
        <translation>Dialog Font</translation>
    </message>
    <message>
        <source>Change dialog font...</source>
        <translation>Change dialog font...</translation>
    </message>
    <message>
        <source>Gradient Caption</source>
        <translation>Gradient Caption</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Appearance</translation>
    </message>
    <message>
        <source> Formato de Shops </source>
        <translation> Shop Format </translation>
    </message>
    <message>
        <source> Bitvectors </source>
        <translation> Bitvectors </translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Extensions</translation>
    </message>
</context>
<context>
    <name>ProblemsWindow</name>
    <message>
        <source>Problems</source>
        <translation>Problems</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>&amp;Check again</source>
        <translation>&amp;Check again</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Check cancelled: Check again runs it</source>
        <translation>Check cancelled: Check again runs it</translation>
    </message>
</context>
<context>
    <name>ProgressArea</name>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ProjectForm</name>
    <message>
        <source>Editar Proyecto</source>
        <translation>Edit Project</translation>
    </message>
    <message>
        <source>The server the new zone&apos;s files are written for</source>
        <translation>The server the new zone&apos;s files are written for</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Use the same name for all archives</source>
        <translation>Use the same name for all archives</translation>
    </message>
</context>
<context>
    <name>RecordListWindow</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>#%1   ---   Sin Keeper</source>
        <translation>#%1   ---   No Keeper</translation>
    </message>
</context>
<context>
    <name>ResetWindow</name>
    <message>
        <source>Simulate reset</source>
        <translation>Simulate reset</translation>
    </message>
    <message>
        <source>After reset</source>
        <translation>After reset</translation>
    </message>
    <message>
        <source>&amp;Resets</source>
        <translation>&amp;Resets</translation>
    </message>
    <message>
        <source>&amp;Simulate again</source>
        <translation>&amp;Simulate again</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Cancelled: Simulate again runs it</source>
        <translation>Cancelled: Simulate again runs it</translation>
    </message>
</context>
<context>
    <name>SelForm</name>
    <message>
        <source>Number</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Ok</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Browse...</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Loading...</source>
        <translation>Loading...</translation>
    </message>
</context>
<context>
    <name>TDirectionData</name>
    <message>
        <source>Room Direction Data</source>
        <translation>Room Direction Data</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>Exit To Room:</source>
        <translation>Exit To Room:</translation>
    </message>
    <message>
        <source>Extra Description:</source>
        <translation>Extra Description:</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>No Key</source>
        <translation>No Key</translation>
    </message>
    <message>
        <source>Key Number:</source>
        <translation>Key Number:</translation>
    </message>
    <message>
        <source>Door Type:</source>
        <translation>Door Type:</translation>
    </message>
    <message>
        <source>Alias List (separated by spaces)</source>
        <translation>Alias List (separated by spaces)</translation>
    </message>
    <message>
        <source>Exit Type</source>
        <translation>Exit Type</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Ok</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Exit to the </source>
        <translation>Exit to the </translation>
    </message>
</context>
<context>
    <name>TEditCommandForm</name>
    <message>
        <source>Comando de Zona</source>
        <translation>Zone Command</translation>
    </message>
    <message>
        <source>if_flag</source>
        <translation>if_flag</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>Variable:</source>
        <translation>Variable:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Value:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Ok</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>TExtraDescForm</name>
    <message>
        <source>Extra Descriptions</source>
        <translation>Extra Descriptions</translation>
    </message>
    <message>
        <source>Keywords (separated by spaces):</source>
        <translation>Keywords (separated by spaces):</translation>
    </message>
    <message>
        <source>De&amp;scription</source>
        <translation>De&amp;scription</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Ok</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>TFormSpecs</name>
    <message>
        <source>Enhanced Mob Specifications</source>
        <translation>Enhanced Mob Specifications</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Id</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>A&amp;dd</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Ok</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Id:</source>
        <translation>Id:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Value:</translation>
    </message>
</context>
<context>
    <name>TFormValues</name>
    <message>
        <source>Object Values</source>
        <translation>Object Values</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Ok</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>TMobEdit</name>
    <message>
        <source>Mob Edition</source>
        <translation>Mob Edition</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Male</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Female</translation>
    </message>
    <message>
        <source>Neutral</source>
        <translation>Neutral</translation>
    </message>
    <message>
        <source>Autolevel</source>
        <translation>Autolevel</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Resistance</translation>
    </message>
    <message>
        <source>Rewards</source>
        <translation>Rewards</translation>
    </message>
    <message>
        <source>Hitpoints: 0</source>
        <translation>Hitpoints: 0</translation>
    </message>
    <message>
        <source>Damage per attack: 0</source>
        <translation>Damage per attack: 0</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Apply</translation>
    </message>
    <message>
        <source>E-Specs...</source>
        <translation>E-Specs...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Auto apply</source>
        <translation>Auto apply</translation>
    </message>
    <message>
        <source>VNum:</source>
        <translation>VNum:</translation>
    </message>
    <message>
        <source>Alias:</source>
        <translation>Alias:</translation>
    </message>
    <message>
        <source>Short description:</source>
        <translation>Short description:</translation>
    </message>
    <message>
        <source>Long description:</source>
        <translation>Long description:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Load position:</source>
        <translation>Load position:</translation>
    </message>
    <message>
        <source>Default position:</source>
        <translation>Default position:</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Affections</source>
        <translation>Affections</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Triggers</source>
        <translation>Triggers</translation>
    </message>
</context>
<context>
    <name>TObjEdit</name>
    <message>
        <source>Object Edition</source>
        <translation>Object Edition</translation>
    </message>
    <message>
        <source>Values...</source>
        <translation>Values...</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>A&amp;dd</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Modify</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>A&amp;pply</source>
        <translation>A&amp;pply</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Apply</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Auto Apply</source>
        <translation>Auto Apply</translation>
    </message>
    <message>
        <source>VNum:</source>
        <translation>VNum:</translation>
    </message>
    <message>
        <source>Alias:</source>
        <translation>Alias:</translation>
    </message>
    <message>
        <source>Short description:</source>
        <translation>Short description:</translation>
    </message>
    <message>
        <source>Long description:</source>
        <translation>Long description:</translation>
    </message>
    <message>
        <source>Action description:</source>
        <translation>Action description:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Weight (pounds)</source>
        <translation>Weight (pounds)</translation>
    </message>
    <message>
        <source>Cost:</source>
        <translation>Cost:</translation>
    </message>
    <message>
        <source>Cost per day:</source>
        <translation>Cost per day:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Level:</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Material:</translation>
    </message>
    <message>
        <source>Durability:</source>
        <translation>Durability:</translation>
    </message>
    <message>
        <source>Initial durability:</source>
        <translation>Initial durability:</translation>
    </message>
    <message>
        <source>Effect:</source>
        <translation>Effect:</translation>
    </message>
    <message>
        <source>Modifier:</source>
        <translation>Modifier:</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Extra Bitvector</source>
        <translation>Extra Bitvector</translation>
    </message>
    <message>
        <source>Wear Bitvector</source>
        <translation>Wear Bitvector</translation>
    </message>
    <message>
        <source>Extra descriptions</source>
        <translation>Extra descriptions</translation>
    </message>
    <message>
        <source>Affect Fields</source>
        <translation>Affect Fields</translation>
    </message>
    <message>
        <source>Triggers</source>
        <translation>Triggers</translation>
    </message>
</context>
<context>
    <name>TRoomEdit</name>
    <message>
        <source>Edición de Room[*]</source>
        <translation>Room Editor[*]</translation>
    </message>
    <message>
        <source>Sector type</source>
        <translation>Sector type</translation>
    </message>
    <message>
        <source>Insert exit &amp;descriptions</source>
        <translation>Insert exit &amp;descriptions</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>VNum</source>
        <translation>VNum</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>VNum:</source>
        <translation>VNum:</translation>
    </message>
    <message>
        <source>Name and description</source>
        <translation>Name and description</translation>
    </message>
    <message>
        <source>Room Flags</source>
        <translation>Room Flags</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Modify</translation>
    </message>
    <message>
        <source>Descripciones Extra</source>
        <translation>Extra Descriptions</translation>
    </message>
    <message>
        <source>Triggers</source>
        <translation>Triggers</translation>
    </message>
    <message>
        <source>Auto apply</source>
        <translation>Auto apply</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Ok</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>TShopEdit</name>
    <message>
        <source>Succesfully buying an item</source>
        <translation>Successfully buying an item</translation>
    </message>
    <message>
        <source>Shop Edit</source>
        <translation>Shop Edit</translation>
    </message>
    <message>
        <source>Keywords:</source>
        <translation>Keywords:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>VNum:</source>
        <translation>VNum:</translation>
    </message>
    <message>
        <source>Shopkeeper:</source>
        <translation>Shopkeeper:</translation>
    </message>
    <message>
        <source>Prices</source>
        <translation>Prices</translation>
    </message>
    <message>
        <source>Profit when selling: </source>
        <translation>Profit when selling: </translation>
    </message>
    <message>
        <source>The object value is miltiplied by this value when sold. Must be greater or equal than 1.0</source>
        <translation>The object value is multiplied by this value when sold. Must be greater or equal than 1.0</translation>
    </message>
    <message>
        <source>Profit when buying</source>
        <translation>Profit when buying</translation>
    </message>
    <message>
        <source>Temper: </source>
        <translation>Temper: </translation>
    </message>
    <message>
        <source>Shop Bitvector</source>
        <translation>Shop Bitvector</translation>
    </message>
    <message>
        <source>With Who Bitvector</source>
        <translation>With Who Bitvector</translation>
    </message>
    <message>
        <source>Note: Price is represented by a %d</source>
        <translation>Note: Price is represented by a %d</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Messages and Times</source>
        <translation>Messages and Times</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>TTrigEdit</name>
    <message>
        <source>Trigger Editor[*]</source>
        <translation>Trigger Editor[*]</translation>
    </message>
    <message>
        <source>Numeric argument: a chance in percent for most events</source>
        <translation>Numeric argument: a chance in percent for most events</translation>
    </message>
    <message>
        <source>Argument list: the words a Command, Speech or Act trigger answers</source>
        <translation>Argument list: the words a Command, Speech or Act trigger answers</translation>
    </message>
    <message>
        <source>Check:</source>
        <translation>Check:</translation>
    </message>
    <message>
        <source>VNum:</source>
        <translation>VNum:</translation>
    </message>
    <message>
        <source>Attach to:</source>
        <translation>Attach to:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Numeric argument:</source>
        <translation>Numeric argument:</translation>
    </message>
    <message>
        <source>Argument list:</source>
        <translation>Argument list:</translation>
    </message>
    <message>
        <source>Trigger types:</source>
        <translation>Trigger types:</translation>
    </message>
    <message>
        <source>Script:</source>
        <translation>Script:</translation>
    </message>
    <message>
        <source>Auto apply</source>
        <translation>Auto apply</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Ok</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>TZoneEdit</name>
    <message>
        <source>Zone Editor</source>
        <translation>Zone Editor</translation>
    </message>
    <message>
        <source>Project Properties...</source>
        <translation>Project Properties...</translation>
    </message>
    <message>
        <source>Zone Number:</source>
        <translation>Zone Number:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Top Room</source>
        <translation>Top Room</translation>
    </message>
    <message>
        <source>Lifespan:</source>
        <translation>Lifespan:</translation>
    </message>
    <message>
        <source>Reset Mode:</source>
        <translation>Reset Mode:</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Zone Reset (Zone Commands)</source>
        <translation>Zone Reset (Zone Commands)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
</context>
<context>
    <name>TextViewer</name>
    <message>
        <source>Tarnwick</source>
        <translation>Tarnwick</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TriggerListBox</name>
    <message>
        <source>A&amp;dd...</source>
        <translation>A&amp;dd...</translation>
    </message>
    <message>
        <source>Remo&amp;ve</source>
        <translation>Remo&amp;ve</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Move &amp;up</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Move do&amp;wn</translation>
    </message>
    <message>
        <source>Attach trigger</source>
        <translation>Attach trigger</translation>
    </message>
    <message>
        <source>The zone has no other triggers for </source>
        <translation>The zone has no other triggers for </translation>
    </message>
    <message>
        <source>Trigger vnum (one of another zone&apos;s, too):</source>
        <translation>Trigger vnum (one of another zone&apos;s, too):</translation>
    </message>
</context>
<context>
    <name>WorldZonesDialog</name>
    <message>
        <source>Open World Folder</source>
        <translation>Open World Folder</translation>
    </message>
</context>
<context>
    <name>ZoneHeaderExtras</name>
    <message>
        <source>The lowest room vnum of the zone</source>
        <translation>The lowest room vnum of the zone</translation>
    </message>
    <message>
        <source>Who built the zone</source>
        <translation>Who built the zone</translation>
    </message>
    <message>
        <source>Zone flags, word %1</source>
        <translation>Zone flags, word %1</translation>
    </message>
    <message>
        <source>to</source>
        <translation>to</translation>
    </message>
    <message>
        <source>(-1: no limit)</source>
        <translation>(-1: no limit)</translation>
    </message>
    <message>
        <source>Bottom Room:</source>
        <translation>Bottom Room:</translation>
    </message>
    <message>
        <source>Builders:</source>
        <translation>Builders:</translation>
    </message>
    <message>
        <source>Zone Flags:</source>
        <translation>Zone Flags:</translation>
    </message>
    <message>
        <source>Levels:</source>
        <translation>Levels:</translation>
    </message>
</context>
<context>
    <name>tarnwick::ui::PlaceholderEditor</name>
    <message>
        <source>This editor is not available yet.</source>
        <translation>This editor is not available yet.</translation>
    </message>
</context>
</TS>
