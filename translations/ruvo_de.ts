<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AlertChoices</name>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>On day of event (%1)</source>
        <translation>Am Tag des Termins (%1)</translation>
    </message>
    <message>
        <source>1 day before (%1)</source>
        <translation>1 Tag vorher (%1)</translation>
    </message>
    <message>
        <source>2 days before (%1)</source>
        <translation>2 Tage vorher (%1)</translation>
    </message>
    <message>
        <source>1 week before (%1)</source>
        <translation>1 Woche vorher (%1)</translation>
    </message>
    <message>
        <source>At time of event</source>
        <translation>Zu Beginn des Termins</translation>
    </message>
    <message>
        <source>%1 before</source>
        <translation>%1 vorher</translation>
    </message>
</context>
<context>
    <name>CalendarDownload</name>
    <message>
        <source>The calendar at %1 is larger than %2 MB.</source>
        <translation>Der Kalender unter %1 ist größer als %2 MB.</translation>
    </message>
    <message>
        <source>Only http and https links are opened: %1</source>
        <translation>Es werden nur http- und https-Links geöffnet: %1</translation>
    </message>
</context>
<context>
    <name>CalendarLinks</name>
    <message>
        <source>Calendar import</source>
        <translation>Kalenderimport</translation>
    </message>
    <message>
        <source>Could not import %1</source>
        <translation>%1 konnte nicht importiert werden</translation>
    </message>
</context>
<context>
    <name>CalendarStore</name>
    <message>
        <source>This calendar cannot answer invitations.</source>
        <translation>Dieser Kalender kann keine Einladungen beantworten.</translation>
    </message>
</context>
<context>
    <name>CalendarsFound</name>
    <message numerus="yes">
        <source>%n calendar(s)</source>
        <translation>
            <numerusform>%n Kalender</numerusform>
            <numerusform>%n Kalender</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2): %3, already shown</source>
        <translation>%1 (%2): %3, bereits angezeigt</translation>
    </message>
    <message>
        <source>%1 (%2): %3, not added yet</source>
        <translation>%1 (%2): %3, noch nicht hinzugefügt</translation>
    </message>
    <message>
        <source>The calendars of your online accounts and of Evolution are shown without any set-up.</source>
        <translation>Die Kalender Ihrer Online-Konten und von Evolution werden ohne weitere Einrichtung angezeigt.</translation>
    </message>
</context>
<context>
    <name>ChosenTimeZoneTexts</name>
    <message>
        <source>Current</source>
        <extracomment>The offset column of the row for the zone the computer is in.</extracomment>
        <translation>Aktuell</translation>
    </message>
</context>
<context>
    <name>CompositeCalendarStore</name>
    <message>
        <source>No calendar %1.</source>
        <translation>Kein Kalender %1.</translation>
    </message>
</context>
<context>
    <name>ControlEditors</name>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Default colour</source>
        <translation>Standardfarbe</translation>
    </message>
    <message>
        <source>System colour</source>
        <translation>Systemfarbe</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Default font</source>
        <translation>Standardschrift</translation>
    </message>
    <message>
        <source>System font</source>
        <translation>Systemschrift</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Play the sound</source>
        <translation>Den Ton abspielen</translation>
    </message>
</context>
<context>
    <name>ControlStates</name>
    <message>
        <source>Used while “Show upcoming event in the panel” is on.</source>
        <translation>Wird verwendet, solange „Nächsten Termin in der Leiste zeigen“ eingeschaltet ist.</translation>
    </message>
    <message>
        <source>Used while call notifications are on.</source>
        <translation>Wird verwendet, solange Anrufbenachrichtigungen eingeschaltet sind.</translation>
    </message>
    <message>
        <source>Used while full-screen notifications are on.</source>
        <translation>Wird verwendet, solange Vollbildbenachrichtigungen eingeschaltet sind.</translation>
    </message>
    <message>
        <source>Used while the hourly chime is on.</source>
        <translation>Wird verwendet, solange das Stundensignal eingeschaltet ist.</translation>
    </message>
    <message>
        <source>Used while the floating clock is shown.</source>
        <translation>Wird verwendet, solange die schwebende Uhr angezeigt wird.</translation>
    </message>
    <message>
        <source>Used while time travel is shown.</source>
        <translation>Wird verwendet, solange die Zeitreise angezeigt wird.</translation>
    </message>
    <message>
        <source>Used while reminders are shown.</source>
        <translation>Wird verwendet, solange Erinnerungen angezeigt werden.</translation>
    </message>
    <message>
        <source>Overridden by the “Date &amp; Time Format” setting.</source>
        <translation>Wird durch die Einstellung „Datums- und Zeitformat“ überschrieben.</translation>
    </message>
    <message>
        <source>Disabled because you&apos;re using 24-hour time format.</source>
        <translation>Deaktiviert, weil Sie das 24-Stunden-Format verwenden.</translation>
    </message>
</context>
<context>
    <name>DBusActions</name>
    <message>
        <source>The running Ruvo did not answer: %1</source>
        <translation>Das laufende Ruvo hat nicht geantwortet: %1</translation>
    </message>
    <message>
        <source>The running Ruvo gave an answer of the wrong form.</source>
        <translation>Das laufende Ruvo hat in unerwarteter Form geantwortet.</translation>
    </message>
</context>
<context>
    <name>DateCalculator</name>
    <message>
        <source>{0, plural, one {# working day} other {# working days}}</source>
        <translation>{0, plural, one {# Arbeitstag} other {# Arbeitstage}}</translation>
    </message>
    <message>
        <source>not a date: %1 (use YYYY-MM-DD)</source>
        <translation>kein Datum: %1 (JJJJ-MM-TT verwenden)</translation>
    </message>
    <message>
        <source>%1 is outside the years 1 to 9999</source>
        <translation>%1 liegt außerhalb der Jahre 1 bis 9999</translation>
    </message>
    <message>
        <source>not a duration: %1 (use ISO 8601 such as P1M, P2W or -P1Y2M3D)</source>
        <translation>keine Dauer: %1 (ISO 8601 verwenden, etwa P1M, P2W oder -P1Y2M3D)</translation>
    </message>
    <message>
        <source>%1 has hours, minutes or seconds; the calculator counts whole days</source>
        <translation>%1 enthält Stunden, Minuten oder Sekunden; der Rechner zählt ganze Tage</translation>
    </message>
    <message>
        <source>the result is outside the years 1 to 9999</source>
        <translation>das Ergebnis liegt außerhalb der Jahre 1 bis 9999</translation>
    </message>
</context>
<context>
    <name>DayOpener</name>
    <message>
        <source>Ruvo doesn&apos;t know how to open your default calendar “%1” (%2) at the selected date. The app will instead be launched normally.</source>
        <translation>Ruvo kann Ihren Standardkalender „%1“ (%2) nicht am gewählten Datum öffnen. Die Anwendung wird stattdessen normal gestartet.</translation>
    </message>
    <message>
        <source>You can request support for your calendar through the feedback button in Ruvo.</source>
        <translation>Über die Rückmeldung in Ruvo können Sie Unterstützung für Ihren Kalender anfragen.</translation>
    </message>
    <message>
        <source>No calendar application found</source>
        <translation>Keine Kalenderanwendung gefunden</translation>
    </message>
    <message>
        <source>No application on this computer is set to open calendars (text/calendar). Install one, such as GNOME Calendar or Evolution, or turn on opening days in Google Calendar in Ruvo&apos;s settings.</source>
        <translation>Auf diesem Rechner ist keine Anwendung zum Öffnen von Kalendern (text/calendar) eingerichtet. Installieren Sie eine, etwa GNOME Kalender oder Evolution, oder lassen Sie Tage in den Einstellungen von Ruvo in Google Kalender öffnen.</translation>
    </message>
    <message>
        <source>Could not start “%1”</source>
        <translation>„%1“ konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>The application %1 could not be started.</source>
        <translation>Die Anwendung %1 konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>DesktopActions</name>
    <message>
        <source>No video call is running or starting in the next 15 minutes.</source>
        <translation>Kein Videoanruf läuft gerade oder beginnt in den nächsten 15 Minuten.</translation>
    </message>
    <message>
        <source>Ruvo has no settings window yet. Use &quot;ruvo defaults&quot; to change settings.</source>
        <translation>Ruvo hat noch kein Einstellungsfenster. Ändern Sie Einstellungen mit „ruvo defaults“.</translation>
    </message>
    <message>
        <source>There is no action &quot;%1&quot;.</source>
        <translation>Es gibt keine Aktion „%1“.</translation>
    </message>
    <message>
        <source>Ruvo cannot create events here. Use your calendar application.</source>
        <translation>Ruvo kann hier keine Termine anlegen. Verwenden Sie Ihre Kalenderanwendung.</translation>
    </message>
</context>
<context>
    <name>EditTimeZoneScreen</name>
    <message>
        <source>Hides the time zone from the menu and/or the menu bar if it is the same time zone or time as the system.

Example: Say you often travel between New York and San Francisco. You could add both those time zones and enable this setting in both, and it would only show the New York time zone when you are not in New York and the San Francisco time zone when you are not in San Francisco.</source>
        <translation>Blendet die Zeitzone im Menü und/oder in der Leiste aus, wenn sie dieselbe Zeitzone oder Uhrzeit wie die des Systems hat.

Beispiel: Sie reisen oft zwischen New York und San Francisco. Fügen Sie beide Zeitzonen hinzu und schalten Sie diese Einstellung bei beiden ein: Dann erscheint die Zeitzone von New York nur, wenn Sie nicht in New York sind, und die von San Francisco nur, wenn Sie nicht in San Francisco sind.</translation>
    </message>
    <message>
        <source>Each clock is an item of its own in the panel&apos;s tray, and the panel decides its place: Plasma and Xfce let you order tray items in the tray&apos;s settings.

To remove a clock from the panel, switch off &quot;Show in menu bar&quot; here.

When the panel has little space, it may hide some items behind an arrow. Try not to put too many clocks in the panel if you have little space.</source>
        <translation>Jede Uhr ist ein eigenes Element im Statusbereich der Leiste, und die Leiste bestimmt ihren Platz: In Plasma und Xfce können Sie die Reihenfolge der Elemente in den Einstellungen des Statusbereichs festlegen.

Um eine Uhr aus der Leiste zu entfernen, schalten Sie hier „In der Leiste zeigen“ aus.

Wenn die Leiste wenig Platz hat, verbirgt sie manche Elemente womöglich hinter einem Pfeil. Legen Sie bei wenig Platz möglichst nicht zu viele Uhren in die Leiste.</translation>
    </message>
</context>
<context>
    <name>EdsCalendarStore</name>
    <message>
        <source>The calendar “%1” is not connected yet; try again later.</source>
        <translation>Der Kalender „%1“ ist noch nicht verbunden; versuchen Sie es später noch einmal.</translation>
    </message>
    <message>
        <source>The calendar “%1” is read-only.</source>
        <translation>Der Kalender „%1“ ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Evolution</source>
        <translation>Evolution</translation>
    </message>
    <message>
        <source>The calendar “%1” knows no address of yours.</source>
        <translation>Der Kalender „%1“ kennt keine Ihrer Adressen.</translation>
    </message>
    <message>
        <source>The event %1 has no occurrence at that time.</source>
        <translation>Der Termin %1 hat zu dieser Zeit kein Vorkommen.</translation>
    </message>
    <message>
        <source>You are not among the attendees of %1: none of them has an address of this calendar.</source>
        <translation>Sie gehören nicht zu den Teilnehmern von %1: Keiner von ihnen hat eine Adresse dieses Kalenders.</translation>
    </message>
    <message>
        <source>No event found; it may have been removed meanwhile.</source>
        <translation>Kein Termin gefunden; er wurde womöglich inzwischen entfernt.</translation>
    </message>
</context>
<context>
    <name>EventActions</name>
    <message>
        <source>Show in Google Maps</source>
        <translation>In Google Maps zeigen</translation>
    </message>
    <message>
        <source>Show in Maps</source>
        <translation>In Karten zeigen</translation>
    </message>
    <message>
        <source>No e-mail application could be opened.</source>
        <translation>Es konnte kein E-Mail-Programm geöffnet werden.</translation>
    </message>
    <message>
        <source>Google Calendar could not be opened.</source>
        <translation>Google Kalender konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>There&apos;s no location attached to this event.</source>
        <translation>Dieser Termin hat keinen Ort.</translation>
    </message>
    <message>
        <source>An unknown error occurred while opening the Maps app.</source>
        <translation>Beim Öffnen der Kartenanwendung ist ein unbekannter Fehler aufgetreten.</translation>
    </message>
</context>
<context>
    <name>EventDetailsScreen</name>
    <message>
        <source>Pending</source>
        <translation>Ausstehend</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Zugesagt</translation>
    </message>
    <message>
        <source>Declined</source>
        <translation>Abgesagt</translation>
    </message>
    <message>
        <source>Maybe</source>
        <translation>Vielleicht</translation>
    </message>
    <message>
        <source>Delegated</source>
        <translation>Delegiert</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Erledigt</translation>
    </message>
    <message>
        <source>In Process</source>
        <translation>In Bearbeitung</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Is Completed</source>
        <translation>Erledigt</translation>
    </message>
</context>
<context>
    <name>EventMuting</name>
    <message>
        <source>Make the event not show up in the upcoming event in the menu bar, fullscreen notifications, and video call notifications</source>
        <translation>Den Termin nicht mehr als nächsten Termin in der Leiste, in Vollbildbenachrichtigungen und in Benachrichtigungen zu Videoanrufen zeigen</translation>
    </message>
</context>
<context>
    <name>EventRowTexts</name>
    <message>
        <source>Starts %1</source>
        <extracomment>An event yet to begin. %1: &quot;in 30 minutes&quot;, &quot;tomorrow&quot;, &quot;now&quot;.</extracomment>
        <translation>Beginnt %1</translation>
    </message>
    <message>
        <source>Started %1</source>
        <extracomment>An event in progress. %1: &quot;30 minutes ago&quot;, &quot;now&quot;.</extracomment>
        <translation>Begann %1</translation>
    </message>
    <message>
        <source>Ended %1</source>
        <extracomment>An event that is over. %1: &quot;3 hours ago&quot;, &quot;yesterday&quot;.</extracomment>
        <translation>Endete %1</translation>
    </message>
    <message>
        <source>All day</source>
        <translation>Ganztägig</translation>
    </message>
</context>
<context>
    <name>EventsSection</name>
    <message>
        <source>The reminder could not be completed.</source>
        <translation>Die Erinnerung konnte nicht als erledigt markiert werden.</translation>
    </message>
</context>
<context>
    <name>ExclusionsEditor</name>
    <message>
        <source>Contains</source>
        <translation>Enthält</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Ist gleich</translation>
    </message>
    <message>
        <source>Starts with</source>
        <translation>Beginnt mit</translation>
    </message>
    <message>
        <source>Ends with</source>
        <translation>Endet mit</translation>
    </message>
    <message>
        <source>Regex</source>
        <translation>Regulärer Ausdruck</translation>
    </message>
    <message>
        <source>Event list</source>
        <translation>Terminliste</translation>
    </message>
    <message>
        <source>Upcoming event in the panel</source>
        <translation>Nächster Termin in der Leiste</translation>
    </message>
    <message>
        <source>Full-screen notifications</source>
        <translation>Vollbildbenachrichtigungen</translation>
    </message>
    <message>
        <source>Call notifications</source>
        <translation>Anrufbenachrichtigungen</translation>
    </message>
</context>
<context>
    <name>FirstRunGuide</name>
    <message>
        <source>GNOME&apos;s top bar shows Ruvo&apos;s clock only with the AppIndicator extension, which is not enabled.</source>
        <translation>Die obere Leiste von GNOME zeigt die Uhr von Ruvo nur mit der Erweiterung AppIndicator an, die nicht eingeschaltet ist.</translation>
    </message>
    <message>
        <source>Install the extension (once, as administrator):</source>
        <translation>Installieren Sie die Erweiterung (einmalig, als Administrator):</translation>
    </message>
    <message>
        <source>Log out and back in, then enable it:</source>
        <translation>Melden Sie sich ab und wieder an und schalten Sie sie dann ein:</translation>
    </message>
    <message>
        <source>The clock then appears in the top bar, beside the system&apos;s own. To hide the system clock, use an extension that moves or hides it.</source>
        <translation>Die Uhr erscheint dann in der oberen Leiste neben der des Systems. Um die Systemuhr auszublenden, verwenden Sie eine Erweiterung, die sie verschiebt oder ausblendet.</translation>
    </message>
    <message>
        <source>Ruvo&apos;s clock is in the system tray as a small square. Its applet shows the whole text in the panel.</source>
        <translation>Die Uhr von Ruvo steht als kleines Quadrat im Systemabschnitt der Leiste. Ihr Miniprogramm zeigt den ganzen Text in der Leiste.</translation>
    </message>
    <message>
        <source>Ruvo&apos;s applet shows the clock in the panel.</source>
        <translation>Das Miniprogramm von Ruvo zeigt die Uhr in der Leiste.</translation>
    </message>
    <message>
        <source>Install the applet:</source>
        <translation>Installieren Sie das Miniprogramm:</translation>
    </message>
    <message>
        <source>Right-click the panel, choose &quot;Add Widgets…&quot; and drag &quot;Ruvo&quot; into the panel, where the system clock was.</source>
        <translation>Klicken Sie mit der rechten Maustaste auf die Leiste, wählen Sie „Miniprogramme hinzufügen …“ und ziehen Sie „Ruvo“ an die Stelle der Leiste, an der die Systemuhr war.</translation>
    </message>
    <message>
        <source>Ruvo&apos;s clock is in the status tray as a small square. Its panel plugin shows the whole text in the panel.</source>
        <translation>Die Uhr von Ruvo steht als kleines Quadrat im Statusbereich. Ihr Leisten-Plugin zeigt den ganzen Text in der Leiste.</translation>
    </message>
    <message>
        <source>Ruvo&apos;s panel plugin shows the clock in the panel.</source>
        <translation>Das Leisten-Plugin von Ruvo zeigt die Uhr in der Leiste.</translation>
    </message>
    <message>
        <source>Install the plugin (Xfce loads plugins only from its system folders, so this needs administrator rights):</source>
        <translation>Installieren Sie das Plugin (Xfce lädt Plugins nur aus seinen Systemordnern, daher sind dafür Administratorrechte nötig):</translation>
    </message>
    <message>
        <source>Right-click the panel, choose &quot;Panel&quot;, &quot;Add New Items…&quot; and add &quot;Ruvo&quot;.</source>
        <translation>Klicken Sie mit der rechten Maustaste auf die Leiste, wählen Sie „Leiste“, „Neue Elemente hinzufügen …“ und fügen Sie „Ruvo“ hinzu.</translation>
    </message>
    <message>
        <source>waybar shows Ruvo&apos;s clock as a custom module.</source>
        <translation>waybar zeigt die Uhr von Ruvo als eigenes Modul.</translation>
    </message>
    <message>
        <source>Add this module to ~/.config/waybar/config:</source>
        <translation>Fügen Sie dieses Modul zu ~/.config/waybar/config hinzu:</translation>
    </message>
    <message>
        <source>Put &quot;custom/ruvo&quot; into &quot;modules-right&quot; (or another list) and reload waybar. Set the module&apos;s &quot;on-click&quot; to &quot;ruvo&quot;: starting Ruvo again opens and closes its window.</source>
        <translation>Tragen Sie „custom/ruvo“ in „modules-right“ (oder eine andere Liste) ein und laden Sie waybar neu. Setzen Sie „on-click“ des Moduls auf „ruvo“: Ein erneuter Start von Ruvo öffnet und schließt sein Fenster.</translation>
    </message>
    <message>
        <source>i3bar and swaybar show Ruvo&apos;s clock as their status line.</source>
        <translation>i3bar und swaybar zeigen die Uhr von Ruvo als ihre Statuszeile.</translation>
    </message>
    <message>
        <source>In your i3 or sway configuration, replace the bar&apos;s status_command:</source>
        <translation>Ersetzen Sie in Ihrer Konfiguration von i3 oder sway das status_command der Leiste:</translation>
    </message>
    <message>
        <source>Reload the configuration (i3: $mod+Shift+r; sway: $mod+Shift+c). Bind a key to &quot;exec ruvo&quot;: starting Ruvo again opens and closes its window.</source>
        <translation>Laden Sie die Konfiguration neu (i3: $mod+Shift+r; sway: $mod+Shift+c). Legen Sie eine Taste auf „exec ruvo“: Ein erneuter Start von Ruvo öffnet und schließt sein Fenster.</translation>
    </message>
    <message>
        <source>No panel that shows status icons was found in this session.</source>
        <translation>In dieser Sitzung wurde keine Leiste gefunden, die Statussymbole anzeigt.</translation>
    </message>
    <message>
        <source>For a bar that runs commands, feed it the clock text:</source>
        <translation>Versorgen Sie eine Leiste, die Befehle ausführt, mit dem Uhrtext:</translation>
    </message>
    <message>
        <source>Bind a key to &quot;ruvo&quot; in your desktop&apos;s keyboard settings: starting Ruvo again opens and closes its window.</source>
        <translation>Legen Sie in den Tastatureinstellungen Ihres Desktops eine Taste auf „ruvo“: Ein erneuter Start von Ruvo öffnet und schließt sein Fenster.</translation>
    </message>
    <message>
        <source>Ruvo&apos;s clock is in the top bar. Click it for the menu; choose &quot;Open Ruvo&quot; for the calendar.</source>
        <translation>Die Uhr von Ruvo steht in der oberen Leiste. Klicken Sie darauf, um das Menü zu öffnen; wählen Sie „Ruvo öffnen“ für den Kalender.</translation>
    </message>
    <message>
        <source>Ruvo&apos;s clock is in the panel&apos;s tray as a square with the time. Click it to open the calendar.</source>
        <translation>Die Uhr von Ruvo steht als Quadrat mit der Uhrzeit im Statusbereich der Leiste. Klicken Sie darauf, um den Kalender zu öffnen.</translation>
    </message>
    <message>
        <source>Ruvo&apos;s clock is in the tray. Click it to open the calendar.</source>
        <translation>Die Uhr von Ruvo steht im Statusbereich. Klicken Sie darauf, um den Kalender zu öffnen.</translation>
    </message>
    <message>
        <source>Ruvo&apos;s applet is installed. If the panel does not show the clock yet, add it:</source>
        <translation>Das Miniprogramm von Ruvo ist installiert. Zeigt die Leiste die Uhr noch nicht, fügen Sie es hinzu:</translation>
    </message>
    <message>
        <source>Ruvo&apos;s panel plugin is installed. If the panel does not show the clock yet, add it:</source>
        <translation>Das Leisten-Plugin von Ruvo ist installiert. Zeigt die Leiste die Uhr noch nicht, fügen Sie es hinzu:</translation>
    </message>
    <message>
        <source>Ruvo&apos;s clock is in the panel. Click it to open the calendar.</source>
        <translation>Die Uhr von Ruvo ist in der Leiste. Klicken Sie darauf, um den Kalender zu öffnen.</translation>
    </message>
</context>
<context>
    <name>FolderShortcutRunner</name>
    <message>
        <source>Could not find shortcut </source>
        <translation>Kurzbefehl nicht gefunden: </translation>
    </message>
    <message>
        <source>Error: Empty Shortcut</source>
        <translation>Fehler: Leerer Kurzbefehl</translation>
    </message>
    <message>
        <source>The shortcut is empty.</source>
        <translation>Der Kurzbefehl ist leer.</translation>
    </message>
    <message>
        <source>Error: Running was cancelled</source>
        <translation>Fehler: Die Ausführung wurde abgebrochen</translation>
    </message>
</context>
<context>
    <name>FullscreenAlert</name>
    <message>
        <source>The video call could not be opened.</source>
        <translation>Der Videoanruf konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Team Meeting</source>
        <translation>Teambesprechung</translation>
    </message>
    <message>
        <source>Conference Room</source>
        <translation>Konferenzraum</translation>
    </message>
</context>
<context>
    <name>GlobalShortcutKeys</name>
    <message>
        <source>Toggle Ruvo window</source>
        <translation>Ruvo-Fenster ein-/ausblenden</translation>
    </message>
    <message>
        <source>New event or reminder</source>
        <translation>Neuer Termin oder neue Erinnerung</translation>
    </message>
    <message>
        <source>Join video call</source>
        <translation>Videoanruf beitreten</translation>
    </message>
    <message>
        <source>Toggle floating clock</source>
        <translation>Schwebende Uhr ein-/ausblenden</translation>
    </message>
    <message>
        <source>Dismiss full-screen notification</source>
        <translation>Vollbildbenachrichtigung schließen</translation>
    </message>
</context>
<context>
    <name>HiddenEvents</name>
    <message>
        <source>Hiding a repeating event will hide all of its instances, not just this one.</source>
        <translation>Wenn Sie einen wiederkehrenden Termin ausblenden, werden alle seine Wiederholungen ausgeblendet, nicht nur diese.</translation>
    </message>
    <message>
        <source>
Recently hidden events can be accessed from the “…” menu. You can also unhide events from there.

The event is only hidden in Ruvo, not in other calendar apps.
</source>
        <translation>
Zuletzt ausgeblendete Termine finden Sie im Menü „…“. Dort können Sie sie auch wieder einblenden.

Der Termin wird nur in Ruvo ausgeblendet, nicht in anderen Kalenderprogrammen.
</translation>
    </message>
</context>
<context>
    <name>InfoWindow</name>
    <message>
        <source>Welcome to Ruvo</source>
        <translation>Willkommen bei Ruvo</translation>
    </message>
    <message>
        <source>Ruvo takes the place of your panel clock. Click the clock to see the month, your coming events and reminders, and the time in the places you care about.</source>
        <translation>Ruvo ersetzt die Uhr in Ihrer Leiste. Ein Klick auf die Uhr zeigt den Monat, Ihre nächsten Termine und Erinnerungen und die Uhrzeit an den Orten, die Ihnen wichtig sind.</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Los geht’s</translation>
    </message>
    <message>
        <source>What&apos;s New in Ruvo</source>
        <translation>Neu in Ruvo</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>Neuigkeiten</translation>
    </message>
    <message>
        <source>&lt;b&gt;Your settings are safe.&lt;/b&gt; They are written atomically, and a damaged settings file is kept aside instead of being overwritten.</source>
        <translation>&lt;b&gt;Ihre Einstellungen sind sicher.&lt;/b&gt; Sie werden atomar geschrieben, und eine beschädigte Einstellungsdatei wird beiseitegelegt statt überschrieben.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <source>&lt;b&gt;Video calls&lt;/b&gt;: events with a Zoom, Google Meet, Microsoft Teams or other meeting link get a Join button, and a shortcut joins the next one.</source>
        <translation>&lt;b&gt;Videoanrufe&lt;/b&gt;: Termine mit einem Besprechungslink für Zoom, Google Meet, Microsoft Teams oder andere Dienste erhalten einen Knopf zum Beitreten, und ein Tastenkürzel tritt dem nächsten bei.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Settings in one window.&lt;/b&gt; Choose the clock&apos;s format, your calendars, time zones, alerts and shortcuts with &quot;Settings…&quot; in the clock&apos;s menu; every change applies at once.</source>
        <translation>&lt;b&gt;Einstellungen in einem Fenster.&lt;/b&gt; Wählen Sie das Format der Uhr, Ihre Kalender, Zeitzonen, Alarme und Tastenkürzel über „Einstellungen…“ im Menü der Uhr; jede Änderung gilt sofort.</translation>
    </message>
    <message>
        <source>&lt;b&gt;A clock in every panel.&lt;/b&gt; Plasma and Xfce get an applet that shows the whole text in the panel&apos;s own font and colours; trays get a readable square icon.</source>
        <translation>&lt;b&gt;Eine Uhr in jeder Leiste.&lt;/b&gt; Plasma und Xfce erhalten ein Miniprogramm, das den ganzen Text in Schrift und Farben der Leiste zeigt; Statusbereiche erhalten ein gut lesbares quadratisches Symbol.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Follows your desktop&apos;s style.&lt;/b&gt; The panel text and the windows turn dark and light with your desktop, unless you pick colours of your own.</source>
        <translation>&lt;b&gt;Folgt dem Stil Ihres Desktops.&lt;/b&gt; Der Text in der Leiste und die Fenster werden mit Ihrem Desktop dunkel und hell, sofern Sie keine eigenen Farben wählen.</translation>
    </message>
</context>
<context>
    <name>JoinNextCallButton</name>
    <message>
        <source>Join %1 (%2)</source>
        <extracomment>The button that joins the next call: &quot;Join Standup (Zoom)&quot;.</extracomment>
        <translation>%1 beitreten (%2)</translation>
    </message>
    <message>
        <source>Join %1</source>
        <translation>%1 beitreten</translation>
    </message>
</context>
<context>
    <name>LaunchAtLogin</name>
    <message>
        <source>%1 was not written by Ruvo; change it there.</source>
        <translation>%1 wurde nicht von Ruvo geschrieben; ändern Sie es dort.</translation>
    </message>
    <message>
        <source>Cannot create %1</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 changed meanwhile; nothing was written.</source>
        <translation>%1 wurde inzwischen geändert; es wurde nichts geschrieben.</translation>
    </message>
</context>
<context>
    <name>LaunchSequence</name>
    <message>
        <source>Tip: Ruvo can show the upcoming event in the menu bar.</source>
        <translation>Tipp: Ruvo kann den nächsten Termin in der Leiste anzeigen.</translation>
    </message>
    <message>
        <source>You can also quickly join the next video call (Zoom, Google Meet, Microsoft Teams, and more) with a customizable global keyboard shortcut.

You can enable these features in the Ruvo settings.</source>
        <translation>Außerdem können Sie dem nächsten Videoanruf (Zoom, Google Meet, Microsoft Teams und mehr) schnell mit einem frei wählbaren globalen Tastenkürzel beitreten.

Diese Funktionen schalten Sie in den Einstellungen von Ruvo ein.</translation>
    </message>
    <message>
        <source>Join</source>
        <extracomment>The action of a video call&apos;s notification.</extracomment>
        <translation>Beitreten</translation>
    </message>
</context>
<context>
    <name>LocalActions</name>
    <message>
        <source>There is no time zone with the id &quot;%1&quot;.</source>
        <translation>Es gibt keine Zeitzone mit der Kennung „%1“.</translation>
    </message>
</context>
<context>
    <name>MenuBarIcons</name>
    <message>
        <source>None</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>Date in calendar</source>
        <translation>Datum im Kalenderblatt</translation>
    </message>
    <message>
        <source>Date with border</source>
        <translation>Datum mit Rahmen</translation>
    </message>
    <message>
        <source>Date with fill</source>
        <translation>Datum mit Füllung</translation>
    </message>
    <message>
        <source>Date &amp; day of week</source>
        <translation>Datum und Wochentag</translation>
    </message>
    <message>
        <source>Remaining events today</source>
        <translation>Verbleibende Termine heute</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Clock (static)</source>
        <translation>Uhr (fest)</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Sonnenaufgang</translation>
    </message>
    <message>
        <source>Globe</source>
        <translation>Globus</translation>
    </message>
    <message>
        <source>Ellipsis</source>
        <translation>Auslassungspunkte</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>Smile</source>
        <translation>Lächeln</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>Einhorn</translation>
    </message>
    <message>
        <source>Bird</source>
        <translation>Vogel</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Fisch</translation>
    </message>
    <message>
        <source>Tortoise</source>
        <translation>Schildkröte</translation>
    </message>
    <message>
        <source>Teddy Bear</source>
        <translation>Teddybär</translation>
    </message>
    <message>
        <source>Eyes</source>
        <translation>Augen</translation>
    </message>
    <message>
        <source>Mustache</source>
        <translation>Schnurrbart</translation>
    </message>
</context>
<context>
    <name>NewCalendarItems</name>
    <message>
        <source>The event was saved. %1</source>
        <translation>Der Termin wurde gespeichert. %1</translation>
    </message>
</context>
<context>
    <name>NewEventHandOver</name>
    <message>
        <source>The web browser could not be opened.</source>
        <translation>Der Webbrowser konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>No calendar application is installed.</source>
        <translation>Es ist keine Kalenderanwendung installiert.</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>%1 konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Open Ruvo</source>
        <translation>Ruvo öffnen</translation>
    </message>
    <message>
        <source>Quit Ruvo</source>
        <translation>Ruvo beenden</translation>
    </message>
    <message>
        <source>Ruvo is running, but no panel shows it</source>
        <translation>Ruvo läuft, aber keine Leiste zeigt es an</translation>
    </message>
    <message>
        <source>Your desktop has no area for status icons. On GNOME, turn on the AppIndicator extension; on sway or i3, add &quot;ruvo bar --waybar&quot; or &quot;ruvo bar --i3bar&quot; to your bar. This note is shown once.</source>
        <translation>Ihr Desktop hat keinen Bereich für Statussymbole. Schalten Sie unter GNOME die Erweiterung AppIndicator ein; fügen Sie unter sway oder i3 „ruvo bar --waybar“ oder „ruvo bar --i3bar“ zu Ihrer Leiste hinzu. Dieser Hinweis erscheint nur einmal.</translation>
    </message>
    <message>
        <source>New Event</source>
        <translation>Neuer Termin</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen…</translation>
    </message>
</context>
<context>
    <name>PanelAppletCommand</name>
    <message>
        <source>no Plasma applet in %1</source>
        <translation>kein Plasma-Miniprogramm in %1</translation>
    </message>
    <message>
        <source>the Plasma applet in %1 has more than %2 files</source>
        <translation>das Plasma-Miniprogramm in %1 hat mehr als %2 Dateien</translation>
    </message>
    <message>
        <source>no Xfce plugin in %1 (it is built where libxfce4panel-2.0 is installed)</source>
        <translation>kein Xfce-Plugin in %1 (es wird gebaut, wo libxfce4panel-2.0 installiert ist)</translation>
    </message>
    <message>
        <source>cannot copy %1 to %2</source>
        <translation>%1 kann nicht nach %2 kopiert werden</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>unknown panel &quot;%1&quot; (plasma or xfce)</source>
        <translation>unbekannte Leiste „%1“ (plasma oder xfce)</translation>
    </message>
    <message>
        <source>Xfce&apos;s panel loads plugins only from its system folders: run &quot;sudo %1 install-panel-applet xfce&quot;.</source>
        <translation>Die Xfce-Leiste lädt Plugins nur aus ihren Systemordnern: Führen Sie „sudo %1 install-panel-applet xfce“ aus.</translation>
    </message>
    <message>
        <source>Add &quot;Ruvo&quot; to the panel: right-click the panel, &quot;Add Widgets...&quot;.</source>
        <translation>Fügen Sie „Ruvo“ zur Leiste hinzu: Rechtsklick auf die Leiste, „Miniprogramme hinzufügen …“.</translation>
    </message>
    <message>
        <source>Add &quot;Ruvo&quot; to the panel: right-click the panel, &quot;Panel&quot;, &quot;Add New Items...&quot;.</source>
        <translation>Fügen Sie „Ruvo“ zur Leiste hinzu: Rechtsklick auf die Leiste, „Leiste“, „Neue Elemente hinzufügen …“.</translation>
    </message>
</context>
<context>
    <name>PatternHelp</name>
    <message>
        <source>You can use a pattern to define how the date and time should look. For example, to get “Tue 17 Dec  13:50”, you would use “E d MMM  HH:mm”.

Use the pattern “w” to show the week number.

Wrap text in single-quotes to show the literal text.
</source>
        <translation>Mit einem Muster legen Sie fest, wie Datum und Uhrzeit aussehen. Für „Di. 17. Dez.  13:50“ verwenden Sie zum Beispiel „E d. MMM  HH:mm“.

Mit dem Muster „w“ zeigen Sie die Kalenderwoche an.

Setzen Sie Text in einfache Anführungszeichen, um ihn unverändert anzuzeigen.
</translation>
    </message>
    <message>
        <source>Beware that “D” means “day of year”. You probably want “d” instead, which means “day of month”.</source>
        <translation>Achtung: „D“ bedeutet „Tag des Jahres“. Wahrscheinlich möchten Sie stattdessen „d“, das „Tag des Monats“ bedeutet.</translation>
    </message>
    <message>
        <source>Beware that “Y” means the year in “week of year” based calendars in which the year transition occurs on a week boundary. You probably want “y” instead, which is the normal year.</source>
        <translation>Achtung: „Y“ bedeutet das Jahr in Kalendern nach „Woche des Jahres“, in denen der Jahreswechsel an einer Wochengrenze liegt. Wahrscheinlich möchten Sie stattdessen „y“, das normale Jahr.</translation>
    </message>
    <message>
        <source>Beware that “W” means “week of month”. You probably want “w” instead, which means “week of year”.</source>
        <translation>Achtung: „W“ bedeutet „Woche des Monats“. Wahrscheinlich möchten Sie stattdessen „w“, das „Woche des Jahres“ bedeutet.</translation>
    </message>
</context>
<context>
    <name>PlaceCompletion</name>
    <message>
        <source>Unnamed Location</source>
        <translation>Unbenannter Ort</translation>
    </message>
</context>
<context>
    <name>Prompter</name>
    <message>
        <source>Delete Repeating Event</source>
        <translation>Wiederkehrenden Termin löschen</translation>
    </message>
    <message>
        <source>“%1” repeats. Delete only this occurrence, or every occurrence of the event?</source>
        <translation>„%1“ wiederholt sich. Nur dieses Vorkommen löschen oder alle Vorkommen des Termins?</translation>
    </message>
    <message>
        <source>Delete This Occurrence</source>
        <translation>Dieses Vorkommen löschen</translation>
    </message>
    <message>
        <source>Delete All Occurrences</source>
        <translation>Alle Vorkommen löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete “%1”?</source>
        <translation>„%1“ löschen?</translation>
    </message>
    <message>
        <source>Hide Event</source>
        <translation>Termin ausblenden</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Hidden Events</source>
        <translation>Ausgeblendete Termine</translation>
    </message>
</context>
<context>
    <name>QuickAdd</name>
    <message>
        <source>%1 does not exist on %2: the clocks go forward then.</source>
        <translation>%1 gibt es am %2 nicht: Dann wird die Uhr vorgestellt.</translation>
    </message>
    <message>
        <source>%1 comes twice on %2: the clocks go back then.</source>
        <translation>%1 kommt am %2 zweimal vor: Dann wird die Uhr zurückgestellt.</translation>
    </message>
    <message>
        <source>“%1” already says when it starts: leave out “%2”.</source>
        <translation>„%1“ sagt schon, wann es beginnt: Lassen Sie „%2“ weg.</translation>
    </message>
    <message>
        <source>A range and a length: “%1” and “%2”. Keep one.</source>
        <translation>Ein Zeitraum und eine Dauer: „%1“ und „%2“. Behalten Sie eines davon.</translation>
    </message>
    <message>
        <source>“%1” needs a start time, for example “at 3pm”.</source>
        <translation>„%1“ braucht eine Anfangszeit, zum Beispiel „um 15 Uhr“.</translation>
    </message>
    <message>
        <source>Say it in at most %1 characters.</source>
        <translation>Fassen Sie sich kürzer: höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>Say what it is, for example “Dentist tomorrow 3pm”.</source>
        <translation>Sagen Sie, worum es geht, zum Beispiel „Zahnarzt morgen 15 Uhr“.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a day and a time of day</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, all day</source>
        <translation>%1, ganztägig</translation>
    </message>
    <message>
        <source>%1 – %2, all day</source>
        <translation>%1 – %2, ganztägig</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>%1, calendar %2</source>
        <translation>%1, Kalender %2</translation>
    </message>
    <message>
        <source>There is no calendar “%1”.</source>
        <translation>Es gibt keinen Kalender „%1“.</translation>
    </message>
    <message>
        <source>The calendar “%1” is read-only.</source>
        <translation>Der Kalender „%1“ ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>There is no calendar that can take new events.</source>
        <translation>Es gibt keinen Kalender, der neue Termine aufnehmen kann.</translation>
    </message>
    <message>
        <source>“%1” is no length of time.</source>
        <translation>„%1“ ist keine Zeitdauer.</translation>
    </message>
    <message>
        <source>“%1” is longer than a year.</source>
        <translation>„%1“ ist länger als ein Jahr.</translation>
    </message>
    <message>
        <source>“%1” could be morning or evening: write %2am or %2pm.</source>
        <translation>„%1“ kann morgens oder abends sein: Schreiben Sie %2am oder %2pm.</translation>
    </message>
    <message>
        <source>“%1” is not a time.</source>
        <translation>„%1“ ist keine Uhrzeit.</translation>
    </message>
    <message>
        <source>“%1” could be morning or evening: write am or pm after the times.</source>
        <translation>„%1“ kann morgens oder abends sein: Schreiben Sie am oder pm hinter die Uhrzeiten.</translation>
    </message>
    <message>
        <source>“%1” is not a date.</source>
        <translation>„%1“ ist kein Datum.</translation>
    </message>
    <message>
        <source>Two days: “%1” and “%2”. Keep one.</source>
        <translation>Zwei Tage: „%1“ und „%2“. Behalten Sie einen davon.</translation>
    </message>
    <message>
        <source>Two times: “%1” and “%2”. Keep one, or write a range like “9-10am”.</source>
        <translation>Zwei Uhrzeiten: „%1“ und „%2“. Behalten Sie eine davon oder schreiben Sie einen Zeitraum wie „9 bis 10 Uhr“.</translation>
    </message>
    <message>
        <source>Two lengths: “%1” and “%2”. Keep one.</source>
        <translation>Zwei Dauern: „%1“ und „%2“. Behalten Sie eine davon.</translation>
    </message>
    <message>
        <source>Two starts: “%1” and “%2”. Keep one.</source>
        <translation>Zwei Anfänge: „%1“ und „%2“. Behalten Sie einen davon.</translation>
    </message>
    <message>
        <source>Two places: “%1” and “%2”. Keep one.</source>
        <translation>Zwei Orte: „%1“ und „%2“. Behalten Sie einen davon.</translation>
    </message>
</context>
<context>
    <name>ReminderChoices</name>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>! Low</source>
        <translation>! Niedrig</translation>
    </message>
    <message>
        <source>!! Medium</source>
        <translation>!! Mittel</translation>
    </message>
    <message>
        <source>!!! High</source>
        <translation>!!! Hoch</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Morgen</translation>
    </message>
    <message>
        <source>Next Week</source>
        <translation>Nächste Woche</translation>
    </message>
</context>
<context>
    <name>ReminderRetiming</name>
    <message>
        <source>In 15 Minutes</source>
        <translation>In 15 Minuten</translation>
    </message>
    <message>
        <source>In 30 Minutes</source>
        <translation>In 30 Minuten</translation>
    </message>
    <message>
        <source>In 1 Hour</source>
        <translation>In 1 Stunde</translation>
    </message>
    <message>
        <source>In 3 Hours</source>
        <translation>In 3 Stunden</translation>
    </message>
    <message>
        <source>This Afternoon (14:00)</source>
        <translation>Heute Nachmittag (14:00)</translation>
    </message>
    <message>
        <source>This Evening (18:00)</source>
        <translation>Heute Abend (18:00)</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Morgen</translation>
    </message>
    <message>
        <source>Next Week (Monday)</source>
        <translation>Nächste Woche (Montag)</translation>
    </message>
    <message>
        <source>A Week Later</source>
        <translation>Eine Woche später</translation>
    </message>
    <message>
        <source>A Month Later</source>
        <translation>Einen Monat später</translation>
    </message>
    <message>
        <source>Remove Time</source>
        <translation>Uhrzeit entfernen</translation>
    </message>
    <message>
        <source>No Due Date</source>
        <translation>Kein Fälligkeitsdatum</translation>
    </message>
</context>
<context>
    <name>SaveNewItem</name>
    <message>
        <source>There is no calendar to save into.</source>
        <translation>Es gibt keinen Kalender zum Speichern.</translation>
    </message>
    <message>
        <source>There is no reminder list to save into.</source>
        <translation>Es gibt keine Erinnerungsliste zum Speichern.</translation>
    </message>
    <message>
        <source>There is no calendar &quot;%1&quot;.</source>
        <translation>Es gibt keinen Kalender „%1“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a reminder list, not a calendar.</source>
        <translation>„%1“ ist eine Erinnerungsliste, kein Kalender.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a calendar, not a reminder list.</source>
        <translation>„%1“ ist ein Kalender, keine Erinnerungsliste.</translation>
    </message>
    <message>
        <source>The calendar &quot;%1&quot; is read-only. Choose another calendar.</source>
        <translation>Der Kalender „%1“ ist schreibgeschützt. Wählen Sie einen anderen Kalender.</translation>
    </message>
    <message>
        <source>The event needs a title.</source>
        <translation>Der Termin braucht einen Titel.</translation>
    </message>
    <message>
        <source>The event ends before it starts.</source>
        <translation>Der Termin endet, bevor er beginnt.</translation>
    </message>
    <message>
        <source>The event was saved but cannot be read back.</source>
        <translation>Der Termin wurde gespeichert, kann aber nicht wieder gelesen werden.</translation>
    </message>
    <message>
        <source>The reminder needs a title.</source>
        <translation>Die Erinnerung braucht einen Titel.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>%1 is outside %2 to %3</source>
        <translation>%1 liegt außerhalb von %2 bis %3</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>at time of event</source>
        <translation>zu Beginn des Termins</translation>
    </message>
    <message>
        <source>1 minute before</source>
        <translation>1 Minute vorher</translation>
    </message>
    <message>
        <source>2 minutes before</source>
        <translation>2 Minuten vorher</translation>
    </message>
    <message>
        <source>3 minutes before</source>
        <translation>3 Minuten vorher</translation>
    </message>
    <message>
        <source>4 minutes before</source>
        <translation>4 Minuten vorher</translation>
    </message>
    <message>
        <source>5 minutes before</source>
        <translation>5 Minuten vorher</translation>
    </message>
    <message>
        <source>10 minutes before</source>
        <translation>10 Minuten vorher</translation>
    </message>
    <message>
        <source>15 minutes before</source>
        <translation>15 Minuten vorher</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Erscheinungsbild</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Large text</source>
        <translation>Große Schrift</translation>
    </message>
    <message>
        <source>Translucent window</source>
        <translation>Durchscheinendes Fenster</translation>
    </message>
    <message>
        <source>Show the clock in the panel</source>
        <translation>Uhr in der Leiste zeigen</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Open the window below the clock</source>
        <translation>Fenster unterhalb der Uhr öffnen</translation>
    </message>
    <message>
        <source>Resizable window height</source>
        <translation>Fensterhöhe veränderbar</translation>
    </message>
    <message>
        <source>Pin window</source>
        <translation>Fenster anheften</translation>
    </message>
    <message>
        <source>A pinned window stays open when it loses the focus.</source>
        <translation>Ein angeheftetes Fenster bleibt offen, wenn es den Fokus verliert.</translation>
    </message>
    <message>
        <source>Show date</source>
        <translation>Datum zeigen</translation>
    </message>
    <message>
        <source>Show time</source>
        <translation>Uhrzeit zeigen</translation>
    </message>
    <message>
        <source>Show seconds</source>
        <translation>Sekunden zeigen</translation>
    </message>
    <message>
        <source>Show day of week</source>
        <translation>Wochentag zeigen</translation>
    </message>
    <message>
        <source>Show week number</source>
        <translation>Kalenderwoche zeigen</translation>
    </message>
    <message>
        <source>Window Date &amp; Time Format</source>
        <translation>Datums- und Zeitformat im Fenster</translation>
    </message>
    <message>
        <source>Show calendar</source>
        <translation>Kalender zeigen</translation>
    </message>
    <message>
        <source>Show “New event” button</source>
        <translation>Knopf „Neuer Termin“ zeigen</translation>
    </message>
    <message>
        <source>Show “Join video call” button</source>
        <translation>Knopf „Videoanruf beitreten“ zeigen</translation>
    </message>
    <message>
        <source>Show “More” menu</source>
        <translation>Menü „Mehr“ zeigen</translation>
    </message>
    <message>
        <source>Create new events with</source>
        <translation>Neue Termine anlegen mit</translation>
    </message>
    <message>
        <source>Ruvo</source>
        <translation>Ruvo</translation>
    </message>
    <message>
        <source>Calendar application</source>
        <translation>Kalenderanwendung</translation>
    </message>
    <message>
        <source>Fantastical</source>
        <translation>Fantastical</translation>
    </message>
    <message>
        <source>Google Calendar</source>
        <translation>Google Kalender</translation>
    </message>
    <message>
        <source>New events</source>
        <translation>Neue Termine</translation>
    </message>
    <message>
        <source>Default duration</source>
        <translation>Standarddauer</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 Minuten</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 Minuten</translation>
    </message>
    <message>
        <source>45 minutes</source>
        <translation>45 Minuten</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <source>90 minutes</source>
        <translation>90 Minuten</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 Stunden</translation>
    </message>
    <message>
        <source>Run shortcut when joining video call</source>
        <translation>Kurzbefehl beim Beitreten eines Videoanrufs ausführen</translation>
    </message>
    <message>
        <source>The id of an executable file in ~/.config/ruvo/shortcuts, as “ruvo action list-shortcuts” prints it.</source>
        <translation>Die Kennung einer ausführbaren Datei in ~/.config/ruvo/shortcuts, wie „ruvo action list-shortcuts“ sie ausgibt.</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Leiste</translation>
    </message>
    <message>
        <source>Show month</source>
        <translation>Monat zeigen</translation>
    </message>
    <message>
        <source>Show AM/PM</source>
        <translation>AM/PM zeigen</translation>
    </message>
    <message>
        <source>Date &amp; Time Format</source>
        <translation>Datums- und Zeitformat</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Aussehen</translation>
    </message>
    <message>
        <source>Text colour on light panels</source>
        <translation>Textfarbe auf hellen Leisten</translation>
    </message>
    <message>
        <source>Text colour on dark panels</source>
        <translation>Textfarbe auf dunklen Leisten</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Textgröße</translation>
    </message>
    <message>
        <source>Bold text</source>
        <translation>Fette Schrift</translation>
    </message>
    <message>
        <source>Vertical offset</source>
        <translation>Vertikaler Versatz</translation>
    </message>
    <message>
        <source>Colour the world clocks</source>
        <translation>Weltuhren einfärben</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Add Calendar Folder…</source>
        <translation>Kalenderordner hinzufügen…</translation>
    </message>
    <message>
        <source>A folder of .ics files, one per event, such as vdirsyncer keeps.</source>
        <translation>Ein Ordner mit .ics-Dateien, eine je Termin, wie vdirsyncer ihn pflegt.</translation>
    </message>
    <message>
        <source>Show reminders</source>
        <translation>Erinnerungen zeigen</translation>
    </message>
    <message>
        <source>Reminder lists</source>
        <translation>Erinnerungslisten</translation>
    </message>
    <message>
        <source>Days of events in the list</source>
        <translation>Tage mit Terminen in der Liste</translation>
    </message>
    <message>
        <source>Event list</source>
        <translation>Terminliste</translation>
    </message>
    <message>
        <source>Days of overdue reminders</source>
        <translation>Tage mit überfälligen Erinnerungen</translation>
    </message>
    <message>
        <source>Hide today&apos;s past events</source>
        <translation>Heutige vergangene Termine ausblenden</translation>
    </message>
    <message>
        <source>Show all-day events</source>
        <translation>Ganztägige Termine zeigen</translation>
    </message>
    <message>
        <source>Show only video calls</source>
        <translation>Nur Videoanrufe zeigen</translation>
    </message>
    <message>
        <source>Show the join button only for upcoming events</source>
        <translation>Knopf zum Beitreten nur bei bevorstehenden Terminen zeigen</translation>
    </message>
    <message>
        <source>Show the calendar in event details</source>
        <translation>Kalender in den Termindetails zeigen</translation>
    </message>
    <message>
        <source>Open Google Calendar events in the browser</source>
        <translation>Termine aus Google Kalender im Browser öffnen</translation>
    </message>
    <message>
        <source>Open locations in Google Maps</source>
        <translation>Orte in Google Maps öffnen</translation>
    </message>
    <message>
        <source>Hidden events</source>
        <translation>Ausgeblendete Termine</translation>
    </message>
    <message>
        <source>Exclude events</source>
        <translation>Termine ausschließen</translation>
    </message>
    <message>
        <source>Event indicators</source>
        <translation>Terminmarkierungen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>One dot</source>
        <translation>Ein Punkt</translation>
    </message>
    <message>
        <source>Up to three dots</source>
        <translation>Bis zu drei Punkte</translation>
    </message>
    <message>
        <source>Indicate days with events in the calendar. When using colored dots, it uses the calendar colors.</source>
        <translation>Markiert Tage mit Terminen im Kalender. Farbige Punkte verwenden die Farben der Kalender.</translation>
    </message>
    <message>
        <source>Month calendar</source>
        <translation>Monatskalender</translation>
    </message>
    <message>
        <source>Week numbers</source>
        <translation>Kalenderwochen</translation>
    </message>
    <message>
        <source>Highlighted days</source>
        <translation>Hervorgehobene Tage</translation>
    </message>
    <message>
        <source>Highlight style</source>
        <translation>Art der Hervorhebung</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Reset day when closing window</source>
        <translation>Tag beim Schließen des Fensters zurücksetzen</translation>
    </message>
    <message>
        <source>When disabled, the calendar will reset back to the current day when closing the menu.</source>
        <translation>Wenn ausgeschaltet, springt der Kalender beim Schließen des Menüs auf den aktuellen Tag zurück.</translation>
    </message>
    <message>
        <source>Swipe to change months</source>
        <translation>Zum Monatswechsel wischen</translation>
    </message>
    <message>
        <source>Highlight the days of the event under the pointer</source>
        <translation>Tage des Termins unter dem Mauszeiger hervorheben</translation>
    </message>
    <message>
        <source>Long press opens the day in Google Calendar</source>
        <translation>Langes Drücken öffnet den Tag in Google Kalender</translation>
    </message>
    <message>
        <source>Time Zones</source>
        <translation>Zeitzonen</translation>
    </message>
    <message>
        <source>Time zones</source>
        <translation>Zeitzonen</translation>
    </message>
    <message>
        <source>Show time zones</source>
        <translation>Zeitzonen zeigen</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Show day and night icons</source>
        <translation>Tag- und Nachtsymbole zeigen</translation>
    </message>
    <message>
        <source>Show time zones in event details</source>
        <translation>Zeitzonen in den Termindetails zeigen</translation>
    </message>
    <message>
        <source>Show time travel</source>
        <translation>Zeitreise zeigen</translation>
    </message>
    <message>
        <source>Time travel</source>
        <translation>Zeitreise</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Reset when closing window</source>
        <translation>Beim Schließen des Fensters zurücksetzen</translation>
    </message>
    <message>
        <source>Show floating clock</source>
        <translation>Schwebende Uhr zeigen</translation>
    </message>
    <message>
        <source>Floating clock</source>
        <translation>Schwebende Uhr</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Zeigen</translation>
    </message>
    <message>
        <source>Above all windows</source>
        <translation>Über allen Fenstern</translation>
    </message>
    <message>
        <source>Above all windows and full-screen windows</source>
        <translation>Über allen Fenstern und Vollbildfenstern</translation>
    </message>
    <message>
        <source>On the desktop background</source>
        <translation>Auf dem Desktop-Hintergrund</translation>
    </message>
    <message>
        <source>Show background</source>
        <translation>Hintergrund zeigen</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Show upcoming event in the panel</source>
        <translation>Nächsten Termin in der Leiste zeigen</translation>
    </message>
    <message>
        <source>Upcoming event</source>
        <translation>Nächster Termin</translation>
    </message>
    <message>
        <source>Show title</source>
        <translation>Titel zeigen</translation>
    </message>
    <message>
        <source>Title length</source>
        <translation>Titellänge</translation>
    </message>
    <message>
        <source>Show countdown</source>
        <translation>Countdown zeigen</translation>
    </message>
    <message>
        <source>Show minutes for more than an hour</source>
        <translation>Minuten auch bei mehr als einer Stunde zeigen</translation>
    </message>
    <message>
        <source>Show during the entire event</source>
        <translation>Während des gesamten Termins zeigen</translation>
    </message>
    <message>
        <source>Show before the event</source>
        <translation>Vor dem Termin zeigen</translation>
    </message>
    <message>
        <source>4 hours</source>
        <translation>4 Stunden</translation>
    </message>
    <message>
        <source>12 hours</source>
        <translation>12 Stunden</translation>
    </message>
    <message>
        <source>Only video calls</source>
        <translation>Nur Videoanrufe</translation>
    </message>
    <message>
        <source>None chosen: every calendar.</source>
        <translation>Keiner gewählt: alle Kalender.</translation>
    </message>
    <message>
        <source>Hide when there is no event</source>
        <translation>Ausblenden, wenn kein Termin ansteht</translation>
    </message>
    <message>
        <source>Show calendar colour</source>
        <translation>Kalenderfarbe zeigen</translation>
    </message>
    <message>
        <source>Click to join the video call</source>
        <translation>Klicken, um dem Videoanruf beizutreten</translation>
    </message>
    <message>
        <source>Clicking the item</source>
        <translation>Klick auf das Element</translation>
    </message>
    <message>
        <source>Shows the event&apos;s details</source>
        <translation>Zeigt die Details des Termins</translation>
    </message>
    <message>
        <source>Opens the window</source>
        <translation>Öffnet das Fenster</translation>
    </message>
    <message>
        <source>Muted events</source>
        <translation>Stummgeschaltete Termine</translation>
    </message>
    <message>
        <source>Show notification when video call event starts</source>
        <translation>Benachrichtigung zeigen, wenn ein Termin mit Videoanruf beginnt</translation>
    </message>
    <message>
        <source>Call notifications</source>
        <translation>Anrufbenachrichtigungen</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>Benachrichtigen</translation>
    </message>
    <message>
        <source>Full-screen notifications</source>
        <translation>Vollbildbenachrichtigungen</translation>
    </message>
    <message>
        <source>Full-screen alerts</source>
        <translation>Vollbildalarme</translation>
    </message>
    <message>
        <source>Only events with an alert</source>
        <translation>Nur Termine mit Alarm</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Termine</translation>
    </message>
    <message>
        <source>accepted</source>
        <translation>zugesagte</translation>
    </message>
    <message>
        <source>accepted and tentative</source>
        <translation>zugesagte und vorläufige</translation>
    </message>
    <message>
        <source>accepted, tentative, and pending</source>
        <translation>zugesagte, vorläufige und ausstehende</translation>
    </message>
    <message>
        <source>Declined events are always ignored.</source>
        <translation>Abgesagte Termine werden immer übergangen.</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Preview Notification</source>
        <translation>Benachrichtigung testen</translation>
    </message>
    <message>
        <source>Chime on the hour</source>
        <translation>Stundensignal zur vollen Stunde</translation>
    </message>
    <message>
        <source>Hourly chime</source>
        <translation>Stundensignal</translation>
    </message>
    <message>
        <source>Between</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Toggle Ruvo window</source>
        <translation>Ruvo-Fenster ein-/ausblenden</translation>
    </message>
    <message>
        <source>New event or reminder</source>
        <translation>Neuer Termin oder neue Erinnerung</translation>
    </message>
    <message>
        <source>Join video call</source>
        <translation>Videoanruf beitreten</translation>
    </message>
    <message>
        <source>Starting in the next 15 minutes or current.</source>
        <translation>Beginnt in den nächsten 15 Minuten oder läuft gerade.</translation>
    </message>
    <message>
        <source>Show or hide the floating clock</source>
        <translation>Schwebende Uhr ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Dismiss the full-screen notification</source>
        <translation>Vollbildbenachrichtigung schließen</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Copy Debug Info</source>
        <translation>Diagnosedaten kopieren</translation>
    </message>
    <message>
        <source>Versions, desktop and the look of the clock, for a bug report. No event content.</source>
        <translation>Versionen, Desktop und Aussehen der Uhr, für einen Fehlerbericht. Keine Inhalte von Terminen.</translation>
    </message>
    <message>
        <source>Show Crash Reports</source>
        <translation>Absturzberichte zeigen</translation>
    </message>
    <message>
        <source>Reset All Settings…</source>
        <translation>Alle Einstellungen zurücksetzen…</translation>
    </message>
    <message>
        <source>Every setting goes back to its default. Your calendars are not touched.</source>
        <translation>Jede Einstellung kehrt zu ihrem Standardwert zurück. Ihre Kalender bleiben unberührt.</translation>
    </message>
</context>
<context>
    <name>SettingsWindowHost</name>
    <message>
        <source>Full-screen notifications are not available.</source>
        <translation>Vollbildbenachrichtigungen sind nicht verfügbar.</translation>
    </message>
    <message>
        <source>Not available here.</source>
        <translation>Hier nicht verfügbar.</translation>
    </message>
    <message>
        <source>Add Calendar Folder</source>
        <translation>Kalenderordner hinzufügen</translation>
    </message>
</context>
<context>
    <name>SetupConfigs</name>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>“%1” is not a value vdirsyncer reads (text goes in quotes)</source>
        <translation>„%1“ ist kein Wert, den vdirsyncer liest (Text gehört in Anführungszeichen)</translation>
    </message>
    <message>
        <source>not a section or a “key = value” line</source>
        <translation>weder ein Abschnitt noch eine Zeile „Schlüssel = Wert“</translation>
    </message>
    <message>
        <source>storage %1 has no path</source>
        <translation>Speicher %1 hat keinen Pfad</translation>
    </message>
    <message>
        <source>calendar %1 has no path</source>
        <translation>Kalender %1 hat keinen Pfad</translation>
    </message>
</context>
<context>
    <name>ShellWindows</name>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen…</translation>
    </message>
</context>
<context>
    <name>ShortcutKeys</name>
    <message>
        <source>Previous month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Travel back</source>
        <translation>Zurückreisen</translation>
    </message>
    <message>
        <source>Travel forward</source>
        <translation>Vorwärtsreisen</translation>
    </message>
    <message>
        <source>Quit Ruvo</source>
        <translation>Ruvo beenden</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <source>This key cannot be used for a keyboard shortcut.</source>
        <translation>Diese Taste kann nicht für ein Tastenkürzel verwendet werden.</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super: without them the key would stop typing in every program.</source>
        <translation>Nehmen Sie Strg, Alt oder Super hinzu: Ohne sie könnte die Taste in keinem Programm mehr getippt werden.</translation>
    </message>
    <message>
        <source>This keyboard shortcut cannot be used as it&apos;s already a system-wide keyboard shortcut (“%1”). Most desktop shortcuts can be changed in the desktop&apos;s keyboard settings.</source>
        <translation>Dieses Tastenkürzel kann nicht verwendet werden, da es bereits ein systemweites Tastenkürzel ist („%1“). Die meisten Tastenkürzel des Desktops lassen sich in seinen Tastatureinstellungen ändern.</translation>
    </message>
    <message>
        <source>This keyboard shortcut cannot be used as it&apos;s already used by the “%1” menu item.</source>
        <translation>Dieses Tastenkürzel kann nicht verwendet werden, da es bereits vom Menüeintrag „%1“ verwendet wird.</translation>
    </message>
</context>
<context>
    <name>SoundFiles</name>
    <message>
        <source>Failed to get sound.</source>
        <translation>Der Ton konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>There is no sound &quot;%1&quot;.</source>
        <translation>Es gibt keinen Ton „%1“.</translation>
    </message>
</context>
<context>
    <name>TimeZoneClocks</name>
    <message>
        <source>Open Ruvo</source>
        <translation>Ruvo öffnen</translation>
    </message>
    <message>
        <source>Remove from Panel</source>
        <translation>Aus der Leiste entfernen</translation>
    </message>
</context>
<context>
    <name>TimeZoneEditWindowController</name>
    <message>
        <source>Edit Time Zone</source>
        <translation>Zeitzone bearbeiten</translation>
    </message>
</context>
<context>
    <name>TimeZoneSearch</name>
    <message>
        <source>Search by city, country, or time zone</source>
        <translation>Nach Stadt, Land oder Zeitzone suchen</translation>
    </message>
    <message>
        <source>No Results</source>
        <translation>Keine Treffer</translation>
    </message>
</context>
<context>
    <name>UpcomingEvent</name>
    <message>
        <source>%1 left</source>
        <extracomment>The time left of an event in progress: &quot;25m left&quot;.</extracomment>
        <translation>noch %1</translation>
    </message>
    <message>
        <source>At </source>
        <translation>Um </translation>
    </message>
    <message>
        <source>Show Event Title</source>
        <translation>Termintitel anzeigen</translation>
    </message>
    <message>
        <source>Make the event not show up in the upcoming event in the menu bar, fullscreen notifications, and video call notifications</source>
        <translation>Den Termin nicht mehr als nächsten Termin in der Leiste, in Vollbildbenachrichtigungen und in Benachrichtigungen zu Videoanrufen zeigen</translation>
    </message>
    <message>
        <source>Mute Event</source>
        <translation>Termin stummschalten</translation>
    </message>
    <message>
        <source>Placeholder event. Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod tempor incididunt.</source>
        <translation>Platzhaltertermin. Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod tempor incididunt.</translation>
    </message>
    <message>
        <source>This placeholder shows where the next event appears in the panel. Move it where you want it with your panel&apos;s own settings, then restart Ruvo.</source>
        <translation>Dieser Platzhalter zeigt, wo der nächste Termin in der Leiste erscheint. Verschieben Sie ihn mit den Einstellungen Ihrer Leiste an die gewünschte Stelle und starten Sie Ruvo dann neu.</translation>
    </message>
    <message>
        <source>Quick Settings</source>
        <translation>Schnelleinstellungen</translation>
    </message>
</context>
<context>
    <name>VdirCalendarStore</name>
    <message>
        <source>The calendar “%1” is read-only.</source>
        <translation>Der Kalender „%1“ ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>No event found; it may have been removed meanwhile.</source>
        <translation>Kein Termin gefunden; er wurde womöglich inzwischen entfernt.</translation>
    </message>
    <message>
        <source>No reminder found; it may have been removed meanwhile.</source>
        <translation>Keine Erinnerung gefunden; sie wurde womöglich inzwischen entfernt.</translation>
    </message>
    <message>
        <source>The calendar “%1” knows no address of yours; add it again with ruvo calendars add --email ADDRESS.</source>
        <translation>Der Kalender „%1“ kennt keine Ihrer Adressen; fügen Sie ihn mit ruvo calendars add --email ADRESSE erneut hinzu.</translation>
    </message>
</context>
<context>
    <name>VdirEditor</name>
    <message>
        <source>The change would make the file unreadable; it was not saved.</source>
        <translation>Die Änderung würde die Datei unlesbar machen; sie wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>No event %1 in %2.</source>
        <translation>Kein Termin %1 in %2.</translation>
    </message>
    <message>
        <source>The event %1 has no occurrence at that time in %2.</source>
        <translation>Der Termin %1 hat zu dieser Zeit kein Vorkommen in %2.</translation>
    </message>
    <message>
        <source>The event %1 in %2 has no readable start.</source>
        <translation>Der Termin %1 in %2 hat keinen lesbaren Beginn.</translation>
    </message>
    <message>
        <source>The occurrence of %1 in %2 could not be excluded.</source>
        <translation>Das Vorkommen von %1 in %2 konnte nicht ausgenommen werden.</translation>
    </message>
    <message>
        <source>No reminder %1 in %2.</source>
        <translation>Keine Erinnerung %1 in %2.</translation>
    </message>
</context>
<context>
    <name>VdirFileEdit</name>
    <message>
        <source>%1 was changed by another program; try again.</source>
        <translation>%1 wurde von einem anderen Programm geändert; versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>VdirImport</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Skipped the item with UID %1</source>
        <translation>Eintrag mit der UID %1 übersprungen</translation>
    </message>
    <message>
        <source>Skipped “%1” (UID %2)</source>
        <translation>„%1“ (UID %2) übersprungen</translation>
    </message>
    <message>
        <source>the calendar has a newer or equal version (SEQUENCE %1; the imported copy has %2)</source>
        <translation>der Kalender hat eine neuere oder gleiche Fassung (SEQUENCE %1; die importierte Kopie hat %2)</translation>
    </message>
    <message>
        <source>the calendar has a newer or equal version (SEQUENCE %1, DTSTAMP %2; the imported copy has DTSTAMP %3)</source>
        <translation>der Kalender hat eine neuere oder gleiche Fassung (SEQUENCE %1, DTSTAMP %2; die importierte Kopie hat DTSTAMP %3)</translation>
    </message>
    <message>
        <source>Could not import “%1” (UID %2): %3</source>
        <translation>„%1“ (UID %2) konnte nicht importiert werden: %3</translation>
    </message>
    <message>
        <source>The file is not an iCalendar file.</source>
        <translation>Die Datei ist keine iCalendar-Datei.</translation>
    </message>
    <message>
        <source>The calendar “%1” is read-only; nothing was imported.</source>
        <translation>Der Kalender „%1“ ist schreibgeschützt; es wurde nichts importiert.</translation>
    </message>
</context>
<context>
    <name>WorldClockRows</name>
    <message>
        <source>Time Zone: %1, %2, %3, %4</source>
        <extracomment>Read by a screen reader for a row of the world clock: name, time, day, offset.</extracomment>
        <translation>Zeitzone: %1, %2, %3, %4</translation>
    </message>
    <message>
        <source>Transitions from Daylight Savings Time %1.</source>
        <translation>Wechselt %1 von der Sommerzeit zur Normalzeit.</translation>
    </message>
    <message>
        <source>Transitions to Daylight Savings Time %1.</source>
        <translation>Wechselt %1 zur Sommerzeit.</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>Without a command, starts the panel clock. Commands:</source>
        <translation>Ohne Befehl startet die Uhr in der Leiste. Befehle:</translation>
    </message>
    <message>
        <source>&apos;ruvo COMMAND --help&apos; shows the usage of a command.</source>
        <translation>„ruvo BEFEHL --help“ zeigt den Aufruf eines Befehls.</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>Try &apos;ruvo --help&apos;.</source>
        <translation>Siehe „ruvo --help“.</translation>
    </message>
    <message>
        <source>--date: not a date (YYYY-MM-DD): %1</source>
        <translation>--date: kein Datum (JJJJ-MM-TT): %1</translation>
    </message>
    <message>
        <source>print the event list of the menu: days, past events, overdue reminders</source>
        <translation>die Terminliste des Menüs ausgeben: Tage, vergangene Termine, überfällige Erinnerungen</translation>
    </message>
    <message>
        <source>the first day</source>
        <translation>der erste Tag</translation>
    </message>
    <message>
        <source>print JSON</source>
        <translation>JSON ausgeben</translation>
    </message>
    <message>
        <source>  (default: today; shows as many days as the list in the menu)</source>
        <translation>  (Vorgabe: heute; zeigt so viele Tage wie die Liste im Menü)</translation>
    </message>
    <message>
        <source>--hours: not a whole number from 1 to %1: %2</source>
        <translation>--hours: keine ganze Zahl von 1 bis %1: %2</translation>
    </message>
    <message>
        <source>what the program plans to sound or show</source>
        <translation>was das Programm abspielen oder anzeigen wird</translation>
    </message>
    <message>
        <source>how far ahead (1 to 744, default 24)</source>
        <translation>wie weit voraus (1 bis 744, Vorgabe 24)</translation>
    </message>
    <message>
        <source>no calendar sources in this build</source>
        <translation>keine Kalenderquellen in dieser Version</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>%1 is not an added calendar folder (the default calendars cannot be removed)</source>
        <translation>%1 ist kein hinzugefügter Kalenderordner (die Standardkalender lassen sich nicht entfernen)</translation>
    </message>
    <message>
        <source>%1 is not an added calendar folder</source>
        <translation>%1 ist kein hinzugefügter Kalenderordner</translation>
    </message>
    <message>
        <source>no calendar %1</source>
        <translation>kein Kalender %1</translation>
    </message>
    <message>
        <source>an address of yours in its events</source>
        <translation>eine Ihrer Adressen in seinen Terminen</translation>
    </message>
    <message>
        <source>never change its files</source>
        <translation>seine Dateien nie ändern</translation>
    </message>
    <message>
        <source>  (the folder&apos;s files are kept)</source>
        <translation>  (die Dateien des Ordners bleiben erhalten)</translation>
    </message>
    <message>
        <source>copy an iCalendar file into a calendar</source>
        <translation>eine iCalendar-Datei in einen Kalender kopieren</translation>
    </message>
    <message>
        <source>the calendar to copy into</source>
        <translation>der Kalender, in den kopiert wird</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>diese Hilfe anzeigen</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>unexpected &quot;%1&quot;</source>
        <translation>unerwartet: „%1“</translation>
    </message>
    <message>
        <source>missing an action: %1</source>
        <translation>eine Aktion fehlt: %1</translation>
    </message>
    <message>
        <source>unknown action &quot;%1&quot;</source>
        <translation>unbekannte Aktion „%1“</translation>
    </message>
    <message>
        <source>&apos;ruvo %1 VERB --help&apos; shows the options of a verb.</source>
        <translation>„ruvo %1 VERB --help“ zeigt die Optionen eines Verbs.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Siehe „%1 --help“.</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot; (ruvo defaults list shows every key)</source>
        <translation>unbekannter Schlüssel „%1“ (ruvo defaults list zeigt alle Schlüssel)</translation>
    </message>
    <message>
        <source>%1 (%2): %3; nothing was written</source>
        <translation>%1 (%2): %3; es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>read, write, delete and list settings</source>
        <translation>Einstellungen lesen, schreiben, löschen und auflisten</translation>
    </message>
    <message>
        <source>the stored object; exit status 1 when nothing is stored</source>
        <translation>das gespeicherte Objekt; Rückgabewert 1, wenn nichts gespeichert ist</translation>
    </message>
    <message>
        <source>  (a value of the wrong type is refused)</source>
        <translation>  (ein Wert vom falschen Typ wird abgelehnt)</translation>
    </message>
    <message>
        <source>--%1: not an ISO 8601 date or time: %2</source>
        <translation>--%1: kein Datum und keine Uhrzeit nach ISO 8601: %2</translation>
    </message>
    <message>
        <source>--to is before --from</source>
        <translation>--to liegt vor --from</translation>
    </message>
    <message>
        <source>no calendar store in this build</source>
        <translation>kein Kalenderspeicher in dieser Version</translation>
    </message>
    <message>
        <source>print the events and reminders of a range</source>
        <translation>die Termine und Erinnerungen eines Zeitraums ausgeben</translation>
    </message>
    <message>
        <source>the start of the range</source>
        <translation>der Beginn des Zeitraums</translation>
    </message>
    <message>
        <source>the end of the range</source>
        <translation>das Ende des Zeitraums</translation>
    </message>
    <message>
        <source>  (default: today and the next 6 days; a date alone means the start of that day)</source>
        <translation>  (Vorgabe: heute und die nächsten 6 Tage; ein Datum allein steht für den Beginn dieses Tages)</translation>
    </message>
    <message>
        <source>unknown kind &quot;%1&quot;</source>
        <translation>unbekannte Art „%1“</translation>
    </message>
    <message>
        <source>unknown location &quot;%1&quot;</source>
        <translation>unbekannter Ort „%1“</translation>
    </message>
    <message>
        <source>add needs --pattern</source>
        <translation>add braucht --pattern</translation>
    </message>
    <message>
        <source>Invalid Regex</source>
        <translation>Ungültiger regulärer Ausdruck</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a matcher ID</source>
        <translation>„%1“ ist keine Regel-ID</translation>
    </message>
    <message>
        <source>no matcher with ID %1</source>
        <translation>keine Regel mit der ID %1</translation>
    </message>
    <message>
        <source>list, add or remove the rules that hide events by title</source>
        <translation>die Regeln auflisten, hinzufügen oder entfernen, die Termine nach Titel ausblenden</translation>
    </message>
    <message>
        <source>contains (the default), equals, startsWith, endsWith or regex</source>
        <translation>contains (Vorgabe), equals, startsWith, endsWith oder regex</translation>
    </message>
    <message>
        <source>the text to match titles with</source>
        <translation>der Text, mit dem Titel verglichen werden</translation>
    </message>
    <message>
        <source>eventList, fullscreenNotifications, upcomingEventInMenuBar or systemNotifications</source>
        <translation>eventList, fullscreenNotifications, upcomingEventInMenuBar oder systemNotifications</translation>
    </message>
    <message>
        <source>add the rule switched off</source>
        <translation>die Regel ausgeschaltet hinzufügen</translation>
    </message>
    <message>
        <source>Without --location a new matcher applies everywhere.</source>
        <translation>Ohne --location gilt eine neue Regel überall.</translation>
    </message>
    <message>
        <source>give --waybar or --i3bar</source>
        <translation>--waybar oder --i3bar angeben</translation>
    </message>
    <message>
        <source>no date events in this build</source>
        <translation>keine Datumsereignisse in dieser Version</translation>
    </message>
    <message>
        <source>print the menu-bar clock text for the current settings</source>
        <translation>den Text der Uhr in der Leiste für die aktuellen Einstellungen ausgeben</translation>
    </message>
    <message>
        <source>  (honours the global options --now, --time-zone and --locale)</source>
        <translation>  (beachtet die globalen Optionen --now, --time-zone und --locale)</translation>
    </message>
    <message>
        <source>feed waybar or i3bar with the clock text, a line at each tick</source>
        <translation>waybar oder i3bar mit dem Uhrtext versorgen, eine Zeile je Takt</translation>
    </message>
    <message>
        <source>one JSON object per line: text, tooltip, class (waybar: &quot;exec&quot;: &quot;ruvo bar --waybar&quot;, &quot;return-type&quot;: &quot;json&quot;)</source>
        <translation>ein JSON-Objekt je Zeile: text, tooltip, class (waybar: &quot;exec&quot;: &quot;ruvo bar --waybar&quot;, &quot;return-type&quot;: &quot;json&quot;)</translation>
    </message>
    <message>
        <source>the i3bar protocol (status_command ruvo bar --i3bar)</source>
        <translation>das i3bar-Protokoll (status_command ruvo bar --i3bar)</translation>
    </message>
    <message>
        <source>not a month (YYYY-MM, month 01 to 12): %1</source>
        <translation>kein Monat (JJJJ-MM, Monat 01 bis 12): %1</translation>
    </message>
    <message>
        <source>print the month calendar with its event days</source>
        <translation>den Monatskalender mit seinen Termintagen ausgeben</translation>
    </message>
    <message>
        <source>  (default: the month of today)</source>
        <translation>  (Vorgabe: der aktuelle Monat)</translation>
    </message>
    <message>
        <source>the query is empty</source>
        <translation>die Suchanfrage ist leer</translation>
    </message>
    <message>
        <source>no place or zone matches &quot;%1&quot;</source>
        <translation>kein Ort und keine Zeitzone passt zu „%1“</translation>
    </message>
    <message>
        <source>the zone of &quot;%1&quot; is unknown to this system</source>
        <translation>die Zeitzone von „%1“ ist diesem System unbekannt</translation>
    </message>
    <message>
        <source>no entry &quot;%1&quot; (ruvo timezones list)</source>
        <translation>kein Eintrag „%1“ (ruvo timezones list)</translation>
    </message>
    <message>
        <source>unknown time zone &quot;%1&quot;</source>
        <translation>unbekannte Zeitzone „%1“</translation>
    </message>
    <message>
        <source>list, add, remove, search and describe world-clock zones</source>
        <translation>Zeitzonen der Weltuhr auflisten, hinzufügen, entfernen, suchen und beschreiben</translation>
    </message>
    <message>
        <source>print the upcoming event&apos;s panel text for the current settings</source>
        <translation>den Text des nächsten Termins in der Leiste für die aktuellen Einstellungen ausgeben</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid URL</source>
        <translation>„%1“ ist keine gültige URL</translation>
    </message>
    <message>
        <source>find the video call of an event, or clean its notes</source>
        <translation>den Videoanruf eines Termins finden oder seine Notizen bereinigen</translation>
    </message>
    <message>
        <source>the event&apos;s location</source>
        <translation>der Ort des Termins</translation>
    </message>
    <message>
        <source>the event&apos;s link</source>
        <translation>der Link des Termins</translation>
    </message>
    <message>
        <source>the event&apos;s notes</source>
        <translation>die Notizen des Termins</translation>
    </message>
    <message>
        <source>  (prints the service and its join link; exit status 1 when it is no video call)</source>
        <translation>  (gibt den Dienst und seinen Beitrittslink aus; Rückgabewert 1, wenn es kein Videoanruf ist)</translation>
    </message>
    <message>
        <source>  (reads notes on standard input and prints them without the invitation boilerplate)</source>
        <translation>  (liest Notizen von der Standardeingabe und gibt sie ohne den Textbaustein der Einladung aus)</translation>
    </message>
    <message>
        <source>usage:</source>
        <translation>Aufruf:</translation>
    </message>
    <message>
        <source>Join %1</source>
        <translation>%1 beitreten</translation>
    </message>
    <message>
        <source>Overdue reminders</source>
        <translation>Überfällige Erinnerungen</translation>
    </message>
    <message>
        <source>Past events</source>
        <translation>Vergangene Termine</translation>
    </message>
    <message>
        <source>No Events</source>
        <translation>Keine Termine</translation>
    </message>
    <message>
        <source>No alerts planned in the next hour.</source>
        <translation>In der nächsten Stunde ist nichts geplant.</translation>
    </message>
    <message>
        <source>No alerts planned in the next %1 hours.</source>
        <translation>In den nächsten %1 Stunden ist nichts geplant.</translation>
    </message>
    <message>
        <source>Added %1</source>
        <translation>%1 hinzugefügt</translation>
    </message>
    <message>
        <source>Removed %1 (its files are kept)</source>
        <translation>%1 entfernt (seine Dateien bleiben erhalten)</translation>
    </message>
    <message numerus="yes">
        <source>%n event(s)</source>
        <translation>
            <numerusform>%n Termin</numerusform>
            <numerusform>%n Termine</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reminder(s)</source>
        <translation>
            <numerusform>%n Erinnerung</numerusform>
            <numerusform>%n Erinnerungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Imported %1 and %2 from %3</source>
        <extracomment>%1: &quot;2 events&quot;, %2: &quot;1 reminder&quot;, %3: the file.</extracomment>
        <translation>%1 und %2 aus %3 importiert</translation>
    </message>
    <message numerus="yes">
        <source>%n replaced an older version(s)</source>
        <translation>
            <numerusform>%n ersetzte eine ältere Fassung</numerusform>
            <numerusform>%n ersetzten ältere Fassungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n übersprungen</numerusform>
            <numerusform>%n übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n fehlgeschlagen</numerusform>
            <numerusform>%n fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message>
        <source>due</source>
        <translation>fällig</translation>
    </message>
    <message>
        <source>due %1</source>
        <translation>fällig %1</translation>
    </message>
    <message>
        <source>all day</source>
        <translation>ganztägig</translation>
    </message>
    <message>
        <source>(* days with events, [ ] today)</source>
        <translation>(* Tage mit Terminen, [ ] heute)</translation>
    </message>
    <message>
        <source>two dates are needed</source>
        <translation>zwei Daten werden benötigt</translation>
    </message>
    <message>
        <source>a date and a duration are needed</source>
        <translation>ein Datum und eine Dauer werden benötigt</translation>
    </message>
    <message>
        <source>print the result as JSON</source>
        <translation>das Ergebnis als JSON ausgeben</translation>
    </message>
    <message>
        <source>count the days between two dates, or move a date</source>
        <translation>die Tage zwischen zwei Daten zählen oder ein Datum verschieben</translation>
    </message>
    <message>
        <source>  dates as YYYY-MM-DD; working days are Monday to Friday from the
  first date up to the day before the second</source>
        <translation>  Daten als JJJJ-MM-TT; Arbeitstage sind Montag bis Freitag vom
  ersten Datum bis zum Tag vor dem zweiten</translation>
    </message>
    <message>
        <source>  DURATION in ISO 8601: P1Y, P1M, P2W, P10D, -P2W3D; a month from the
  31st ends on the month&apos;s last day</source>
        <translation>  DAUER nach ISO 8601: P1Y, P1M, P2W, P10D, -P2W3D; ein Monat ab dem
  31. endet am letzten Tag des Monats</translation>
    </message>
    <message>
        <source>install the panel applet that shows the clock in Plasma&apos;s or Xfce&apos;s panel</source>
        <translation>das Leisten-Miniprogramm installieren, das die Uhr in der Leiste von Plasma oder Xfce zeigt</translation>
    </message>
    <message>
        <source>take the applet files from DIR</source>
        <translation>die Dateien des Miniprogramms aus DIR nehmen</translation>
    </message>
    <message>
        <source>Plasma: copied to ~/.local/share/plasma/plasmoids/io.github.ruvo.panel.
Xfce: copied to the panel&apos;s system plugin folders (needs root).</source>
        <translation>Plasma: wird nach ~/.local/share/plasma/plasmoids/io.github.ruvo.panel kopiert.
Xfce: wird in die System-Pluginordner der Leiste kopiert (braucht Root-Rechte).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not on, off or toggle</source>
        <translation>„%1“ ist weder on, off noch toggle</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>join a call, read zones, switch the chime and alerts, get a sound</source>
        <translation>einem Anruf beitreten, Zeitzonen lesen, Stundensignal und Alarme schalten, einen Ton holen</translation>
    </message>
    <message>
        <source>  (prints whether a call was joined; exit status 1 when there is none)</source>
        <translation>  (gibt aus, ob einem Anruf beigetreten wurde; Exit-Status 1, wenn es keinen gibt)</translation>
    </message>
    <message>
        <source>copy the sound to FILE</source>
        <translation>den Ton nach FILE kopieren</translation>
    </message>
    <message>
        <source>  (a WAV file; without --output prints the path of Ruvo&apos;s copy)</source>
        <translation>  (eine WAV-Datei; ohne --output wird der Pfad von Ruvos Kopie ausgegeben)</translation>
    </message>
    <message>
        <source>  (the executable files in ~/.config/ruvo/shortcuts, with the id that runShortcut_joinVideoCall stores)</source>
        <translation>  (die ausführbaren Dateien in ~/.config/ruvo/shortcuts, mit der Kennung, die runShortcut_joinVideoCall speichert)</translation>
    </message>
    <message>
        <source>cannot read the calendars: %1</source>
        <translation>die Kalender können nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>not available here</source>
        <translation>hier nicht verfügbar</translation>
    </message>
    <message>
        <source>add an event written in plain words</source>
        <translation>einen in einfachen Worten geschriebenen Termin hinzufügen</translation>
    </message>
    <message>
        <source>the calendar to add to</source>
        <translation>der Kalender, zu dem hinzugefügt wird</translation>
    </message>
    <message>
        <source>show what would be added, save nothing</source>
        <translation>zeigen, was hinzugefügt würde, nichts speichern</translation>
    </message>
    <message>
        <source>print the event as JSON</source>
        <translation>den Termin als JSON ausgeben</translation>
    </message>
    <message>
        <source>  ruvo add &quot;Lunch with Ana Friday 1pm at Café Central&quot;
  ruvo add &quot;Zahnarzt morgen um 9 für 30 Minuten&quot;
  (no time: all day; no length: the default event duration)</source>
        <translation>  ruvo add &quot;Lunch with Ana Friday 1pm at Café Central&quot;
  ruvo add &quot;Zahnarzt morgen um 9 für 30 Minuten&quot;
  (ohne Uhrzeit: ganztägig; ohne Dauer: die Standarddauer für Termine)</translation>
    </message>
    <message>
        <source>no due date</source>
        <translation>kein Fälligkeitsdatum</translation>
    </message>
    <message>
        <source>give a folder or --vdirsyncer, not both</source>
        <translation>einen Ordner oder --vdirsyncer angeben, nicht beides</translation>
    </message>
    <message>
        <source>give a folder, or --vdirsyncer</source>
        <translation>einen Ordner oder --vdirsyncer angeben</translation>
    </message>
    <message>
        <source>list, add, discover and remove calendar folders</source>
        <translation>Kalenderordner auflisten, hinzufügen, finden und entfernen</translation>
    </message>
    <message>
        <source>add the folders vdirsyncer syncs into</source>
        <translation>die Ordner hinzufügen, in die vdirsyncer synchronisiert</translation>
    </message>
    <message>
        <source>  (what EDS, vdirsyncer and khal hold; changes nothing)</source>
        <translation>  (was EDS, vdirsyncer und khal enthalten; ändert nichts)</translation>
    </message>
    <message numerus="yes">
        <source>%n calendar(s)</source>
        <translation>
            <numerusform>%n Kalender</numerusform>
            <numerusform>%n Kalender</numerusform>
        </translation>
    </message>
    <message>
        <source>no desktop to look at</source>
        <translation>kein Desktop zum Untersuchen</translation>
    </message>
    <message>
        <source>say where this desktop&apos;s panel can show the clock, and how</source>
        <translation>sagen, wo die Leiste dieses Desktops die Uhr zeigen kann und wie</translation>
    </message>
    <message>
        <source>print the detected panel and the steps as JSON</source>
        <translation>die erkannte Leiste und die Schritte als JSON ausgeben</translation>
    </message>
    <message>
        <source>  host: gnome, gnome-no-tray, plasma, xfce, waybar, i3bar, tray,
  xembed-tray or none; clockVisible: whether it shows with no step</source>
        <translation>  host: gnome, gnome-no-tray, plasma, xfce, waybar, i3bar, tray,
  xembed-tray oder none; clockVisible: ob sie ohne weiteren Schritt erscheint</translation>
    </message>
    <message>
        <source>--upcoming goes with --waybar</source>
        <translation>--upcoming geht nur mit --waybar</translation>
    </message>
    <message>
        <source>with --waybar: the upcoming event instead of the clock, a line at each change</source>
        <translation>mit --waybar: der nächste Termin statt der Uhr, eine Zeile je Änderung</translation>
    </message>
    <message>
        <source>add an event to a calendar</source>
        <translation>einen Termin zu einem Kalender hinzufügen</translation>
    </message>
    <message>
        <source>the event&apos;s title</source>
        <translation>der Titel des Termins</translation>
    </message>
    <message>
        <source>when it starts</source>
        <translation>wann er beginnt</translation>
    </message>
    <message>
        <source>when it ends</source>
        <translation>wann er endet</translation>
    </message>
    <message>
        <source>an all-day event</source>
        <translation>ein ganztägiger Termin</translation>
    </message>
    <message>
        <source>the calendar (default: the default calendar)</source>
        <translation>der Kalender (Vorgabe: der Standardkalender)</translation>
    </message>
    <message>
        <source>where it takes place</source>
        <translation>wo er stattfindet</translation>
    </message>
    <message>
        <source>an alarm, seconds before the start</source>
        <translation>ein Alarm, Sekunden vor dem Beginn</translation>
    </message>
    <message>
        <source>  (with --all-day, --start and --end may be dates: the first and the last day)</source>
        <translation>  (mit --all-day dürfen --start und --end Daten sein: der erste und der letzte Tag)</translation>
    </message>
    <message>
        <source>add a reminder to a reminder list</source>
        <translation>eine Erinnerung zu einer Erinnerungsliste hinzufügen</translation>
    </message>
    <message>
        <source>the reminder&apos;s title</source>
        <translation>der Titel der Erinnerung</translation>
    </message>
    <message>
        <source>a day, or a day and time</source>
        <translation>ein Tag oder ein Tag mit Uhrzeit</translation>
    </message>
    <message>
        <source>0 none, 1 highest ... 9 lowest</source>
        <translation>0 keine, 1 höchste ... 9 niedrigste</translation>
    </message>
    <message>
        <source>the reminder list (default: the first one)</source>
        <translation>die Erinnerungsliste (Vorgabe: die erste)</translation>
    </message>
    <message>
        <source>  (a due date gets an alarm at that moment)</source>
        <translation>  (ein Fälligkeitsdatum erhält einen Alarm zu diesem Zeitpunkt)</translation>
    </message>
    <message>
        <source>Accepted “%1”</source>
        <translation>„%1“ zugesagt</translation>
    </message>
    <message>
        <source>Declined “%1”</source>
        <translation>„%1“ abgesagt</translation>
    </message>
    <message>
        <source>Answered “%1” with maybe</source>
        <translation>„%1“ mit Vielleicht beantwortet</translation>
    </message>
    <message>
        <source>not an answer: %1 (accept, decline or tentative)</source>
        <translation>keine Antwort: %1 (accept, decline oder tentative)</translation>
    </message>
    <message>
        <source>--occurrence: not an ISO 8601 time: %1</source>
        <translation>--occurrence: keine Uhrzeit nach ISO 8601: %1</translation>
    </message>
    <message>
        <source>no event %1</source>
        <translation>kein Termin %1</translation>
    </message>
    <message>
        <source>accept, decline or tentatively accept an invitation</source>
        <translation>eine Einladung annehmen, ablehnen oder vorläufig annehmen</translation>
    </message>
    <message>
        <source>only the occurrence that starts then</source>
        <translation>nur das Vorkommen, das zu diesem Zeitpunkt beginnt</translation>
    </message>
    <message>
        <source>--describe takes no pane</source>
        <translation>--describe nimmt keinen Bereich</translation>
    </message>
    <message>
        <source>--json needs --describe</source>
        <translation>--json braucht --describe</translation>
    </message>
    <message>
        <source>no pane &quot;%1&quot;; the panes are %2</source>
        <translation>kein Bereich „%1“; die Bereiche sind %2</translation>
    </message>
    <message>
        <source>cannot reach the running Ruvo</source>
        <translation>das laufende Ruvo ist nicht erreichbar</translation>
    </message>
    <message>
        <source>open the settings window, or describe its panes</source>
        <translation>das Einstellungsfenster öffnen oder seine Bereiche beschreiben</translation>
    </message>
    <message>
        <source>list the panes and controls</source>
        <translation>die Bereiche und Bedienelemente auflisten</translation>
    </message>
    <message>
        <source>print the description as JSON</source>
        <translation>die Beschreibung als JSON ausgeben</translation>
    </message>
    <message>
        <source>  PANE: general, panel, calendar, timezones, alerts, shortcuts or advanced.
  Starts Ruvo on that pane when it does not run yet.</source>
        <translation>  BEREICH: general, panel, calendar, timezones, alerts, shortcuts oder advanced.
  Startet Ruvo mit diesem Bereich, wenn es noch nicht läuft.</translation>
    </message>
    <message>
        <source>Evolution Data Server: found; its calendars are read without setting anything up</source>
        <translation>Evolution Data Server: gefunden; seine Kalender werden ohne Einrichtung gelesen</translation>
    </message>
    <message>
        <source>Evolution Data Server: not found</source>
        <translation>Evolution Data Server: nicht gefunden</translation>
    </message>
    <message>
        <source>%1 “%2”: %3</source>
        <extracomment>%1: vdirsyncer or khal, %2: the name in its configuration, %3: a folder.</extracomment>
        <translation>%1 „%2“: %3</translation>
    </message>
    <message>
        <source>added</source>
        <translation>hinzugefügt</translation>
    </message>
    <message>
        <source>not added</source>
        <translation>nicht hinzugefügt</translation>
    </message>
    <message>
        <source>No vdirsyncer or khal calendar folders found</source>
        <translation>Keine Kalenderordner von vdirsyncer oder khal gefunden</translation>
    </message>
    <message>
        <source>EDS account</source>
        <translation>EDS-Konto</translation>
    </message>
    <message>
        <source>built in</source>
        <translation>eingebaut</translation>
    </message>
    <message>
        <source>added by hand</source>
        <translation>von Hand hinzugefügt</translation>
    </message>
    <message>
        <source>from %1</source>
        <extracomment>%1: vdirsyncer or khal.</extracomment>
        <translation>aus %1</translation>
    </message>
    <message>
        <source>no calendar discovery in this build</source>
        <translation>keine Kalendersuche in dieser Version</translation>
    </message>
    <message>
        <source>Skipped %1 (already added)</source>
        <translation>%1 übersprungen (bereits hinzugefügt)</translation>
    </message>
    <message>
        <source>Skipped %1 (no calendars in it yet: run vdirsyncer sync)</source>
        <translation>%1 übersprungen (noch keine Kalender darin: vdirsyncer sync ausführen)</translation>
    </message>
    <message>
        <source>Skipped %1: %2</source>
        <translation>%1 übersprungen: %2</translation>
    </message>
    <message>
        <source>No vdirsyncer configuration with a &quot;filesystem&quot; storage found</source>
        <translation>Keine vdirsyncer-Konfiguration mit einem Speicher vom Typ „filesystem“ gefunden</translation>
    </message>
    <message>
        <source>give --end or --all-day</source>
        <translation>--end oder --all-day angeben</translation>
    </message>
    <message>
        <source>--start: not an ISO 8601 date and time: %1</source>
        <translation>--start: kein Datum mit Uhrzeit nach ISO 8601: %1</translation>
    </message>
    <message>
        <source>--end: not an ISO 8601 date and time: %1</source>
        <translation>--end: kein Datum mit Uhrzeit nach ISO 8601: %1</translation>
    </message>
    <message>
        <source>--alarm: not a number of seconds within a year</source>
        <translation>--alarm: keine Anzahl Sekunden innerhalb eines Jahres</translation>
    </message>
    <message>
        <source>--title is missing</source>
        <translation>--title fehlt</translation>
    </message>
    <message>
        <source>--due: not an ISO 8601 date or time: %1</source>
        <translation>--due: kein Datum und keine Uhrzeit nach ISO 8601: %1</translation>
    </message>
    <message>
        <source>--priority: a number from 0 (none) to 9 (lowest)</source>
        <translation>--priority: eine Zahl von 0 (keine) bis 9 (niedrigste)</translation>
    </message>
</context>
<context>
    <name>ruvo</name>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>%1 holds no calendar (no .ics files, no displayname or color file, in it or in its subfolders)</source>
        <translation>%1 enthält keinen Kalender (keine .ics-Dateien, keine Datei displayname oder color, weder darin noch in Unterordnern)</translation>
    </message>
</context>
<context>
    <name>ruvo::alerts::JoinMenu</name>
    <message>
        <source>Join Video Call</source>
        <translation>Videoanruf beitreten</translation>
    </message>
    <message>
        <source>Join %1</source>
        <translation>%1 beitreten</translation>
    </message>
</context>
<context>
    <name>ruvo::alerts::VideoCallNotificationController</name>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>To join, choose “Join %1” in the Ruvo panel menu.</source>
        <translation>Zum Beitreten wählen Sie „%1 beitreten“ im Leistenmenü von Ruvo.</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Beitreten</translation>
    </message>
</context>
<context>
    <name>ruvo::platform::DesktopNotificationSettings</name>
    <message>
        <source>Ruvo cannot open this desktop&apos;s notification settings. Look for Notifications in the desktop&apos;s settings, and make sure a notification service is running.</source>
        <translation>Ruvo kann die Benachrichtigungseinstellungen dieses Desktops nicht öffnen. Suchen Sie in den Einstellungen des Desktops nach „Benachrichtigungen“ und stellen Sie sicher, dass ein Benachrichtigungsdienst läuft.</translation>
    </message>
    <message>
        <source>Could not start %1.</source>
        <translation>%1 konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>ruvo::views::AboutWindow</name>
    <message>
        <source>About Ruvo</source>
        <translation>Über Ruvo</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A clock and calendar for your panel.</source>
        <translation>Eine Uhr und ein Kalender für Ihre Leiste.</translation>
    </message>
    <message>
        <source>Free software under the &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;GNU General Public License, version 3 or later&lt;/a&gt; (GPL-3.0-or-later). It comes with absolutely no warranty.</source>
        <translation>Freie Software unter der &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;GNU General Public License, Version 3 oder neuer&lt;/a&gt; (GPL-3.0-or-later). Sie wird ohne jegliche Gewährleistung geliefert.</translation>
    </message>
    <message>
        <source>Written by the Ruvo developers. Built on Qt %1, ICU %2, libical and SQLite; time zones from the system&apos;s tz database.</source>
        <translation>Geschrieben von den Entwicklern von Ruvo. Aufgebaut auf Qt %1, ICU %2, libical und SQLite; Zeitzonen aus der tz-Datenbank des Systems.</translation>
    </message>
    <message>
        <source>Copy Debug Info</source>
        <translation>Diagnosedaten kopieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ruvo::views::AddTimeZoneScreen</name>
    <message>
        <source>Add Time Zone</source>
        <translation>Zeitzone hinzufügen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
</context>
<context>
    <name>ruvo::views::CalculatorsWindow</name>
    <message>
        <source>Date Calculators</source>
        <translation>Datumsrechner</translation>
    </message>
    <message>
        <source>Between Dates</source>
        <translation>Zwischen zwei Daten</translation>
    </message>
    <message>
        <source>Add to Date</source>
        <translation>Zu einem Datum addieren</translation>
    </message>
    <message>
        <source>First date</source>
        <translation>Erstes Datum</translation>
    </message>
    <message>
        <source>Second date</source>
        <translation>Zweites Datum</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>Interval:</source>
        <translation>Abstand:</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Startdatum</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Addieren</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Subtrahieren</translation>
    </message>
    <message>
        <source>Add or subtract</source>
        <translation>Addieren oder subtrahieren</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>&amp;Operation:</source>
        <translation>&amp;Rechenart:</translation>
    </message>
    <message>
        <source>&amp;Years:</source>
        <translation>&amp;Jahre:</translation>
    </message>
    <message>
        <source>&amp;Months:</source>
        <translation>&amp;Monate:</translation>
    </message>
    <message>
        <source>&amp;Weeks:</source>
        <translation>&amp;Wochen:</translation>
    </message>
    <message>
        <source>D&amp;ays:</source>
        <translation>T&amp;age:</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Result:</source>
        <translation>Ergebnis:</translation>
    </message>
</context>
<context>
    <name>ruvo::views::CalendarChecklist</name>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>No reminder lists found</source>
        <translation>Keine Erinnerungslisten gefunden</translation>
    </message>
    <message>
        <source>No calendars found</source>
        <translation>Keine Kalender gefunden</translation>
    </message>
    <message>
        <source>On This Computer</source>
        <translation>Auf diesem Computer</translation>
    </message>
</context>
<context>
    <name>ruvo::views::CalendarTipsPopup</name>
    <message>
        <source>Calendar Tips</source>
        <translation>Tipps zum Kalender</translation>
    </message>
    <message>
        <source>Long-press a day to open that day in the default calendar app.

Swipe with two fingers to change months.

Press the Space key or click the month/year label to select today.

Press the arrow keys to change days.</source>
        <translation>Halten Sie einen Tag gedrückt, um ihn in der Standard-Kalenderanwendung zu öffnen.

Wischen Sie mit zwei Fingern, um den Monat zu wechseln.

Drücken Sie die Leertaste oder klicken Sie auf Monat und Jahr, um heute zu wählen.

Mit den Pfeiltasten wechseln Sie den Tag.</translation>
    </message>
</context>
<context>
    <name>ruvo::views::CallAlertWindows</name>
    <message>
        <source>No notification server answered, so Ruvo shows this window.</source>
        <translation>Kein Benachrichtigungsdienst hat geantwortet, daher zeigt Ruvo dieses Fenster.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Beitreten</translation>
    </message>
    <message>
        <source>Open Notification Settings</source>
        <translation>Benachrichtigungseinstellungen öffnen</translation>
    </message>
    <message>
        <source>Open Ruvo Settings</source>
        <translation>Ruvo-Einstellungen öffnen</translation>
    </message>
</context>
<context>
    <name>ruvo::views::ControlRow</name>
    <message>
        <source>Not available here.</source>
        <translation>Hier nicht verfügbar.</translation>
    </message>
    <message>
        <source>Reset All Settings</source>
        <translation>Alle Einstellungen zurücksetzen</translation>
    </message>
    <message>
        <source>Every setting goes back to its default. This cannot be undone.</source>
        <translation>Jede Einstellung kehrt zu ihrem Standardwert zurück. Das kann nicht rückgängig gemacht werden.</translation>
    </message>
</context>
<context>
    <name>ruvo::views::DstBadge</name>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>DST</source>
        <extracomment>A small badge beside a zone on daylight saving time.</extracomment>
        <translation>SZ</translation>
    </message>
</context>
<context>
    <name>ruvo::views::EditMatcherScreen</name>
    <message>
        <source>Exclude Events</source>
        <translation>Termine ausschließen</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>Matcher type</source>
        <translation>Art des Vergleichs</translation>
    </message>
    <message>
        <source>Invalid Regex</source>
        <translation>Ungültiger regulärer Ausdruck</translation>
    </message>
    <message>
        <source>Event title</source>
        <translation>Termintitel</translation>
    </message>
    <message>
        <source>Exclude from</source>
        <translation>Ausschließen aus</translation>
    </message>
    <message>
        <source>Timeslot</source>
        <translation>Zeitfenster</translation>
    </message>
</context>
<context>
    <name>ruvo::views::EditTimeZoneScreen</name>
    <message>
        <source>Show weekday when time zone is in different day</source>
        <translation>Wochentag zeigen, wenn die Zeitzone an einem anderen Tag ist</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>24-hour</source>
        <translation>24 Stunden</translation>
    </message>
    <message>
        <source>12-hour</source>
        <translation>12 Stunden</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>when same as system time zone</source>
        <translation>bei gleicher Zeitzone wie das System</translation>
    </message>
    <message>
        <source>when same as system time</source>
        <translation>bei gleicher Uhrzeit wie das System</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Tip: add a &lt;a href=&quot;https://emojipedia.org/flags&quot;&gt;flag emoji&lt;/a&gt; to the name.</source>
        <translation>Tipp: Fügen Sie dem Namen ein &lt;a href=&quot;https://emojipedia.org/flags&quot;&gt;Flaggen-Emoji&lt;/a&gt; hinzu.</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Zeitformat</translation>
    </message>
    <message>
        <source>Show in menu</source>
        <translation>Im Menü zeigen</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Shown in the time zone menu. You could use it to, for example, list team members in a specific time zone.</source>
        <translation>Erscheint im Menü der Zeitzone. Damit können Sie zum Beispiel die Teammitglieder in dieser Zeitzone aufführen.</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Menu Bar</source>
        <translation>Leiste</translation>
    </message>
    <message>
        <source>Show in menu bar</source>
        <translation>In der Leiste zeigen</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>&lt;small&gt;Example: Wed 02:21&lt;/small&gt;</source>
        <translation>&lt;small&gt;Beispiel: Mi. 02:21&lt;/small&gt;</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete this time zone?</source>
        <translation>Diese Zeitzone löschen?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ruvo::views::EventDetailsScreen</name>
    <message>
        <source>Due: %1</source>
        <translation>Fällig: %1</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Zusagen</translation>
    </message>
    <message>
        <source>Maybe</source>
        <translation>Vielleicht</translation>
    </message>
    <message>
        <source>Decline</source>
        <translation>Absagen</translation>
    </message>
</context>
<context>
    <name>ruvo::views::EventDetailsWindow</name>
    <message>
        <source>Event Details</source>
        <translation>Termindetails</translation>
    </message>
</context>
<context>
    <name>ruvo::views::EventListItemModel</name>
    <message>
        <source>No Events</source>
        <translation>Keine Termine</translation>
    </message>
    <message>
        <source>Overdue reminders</source>
        <translation>Überfällige Erinnerungen</translation>
    </message>
    <message>
        <source>Past events</source>
        <translation>Vergangene Termine</translation>
    </message>
</context>
<context>
    <name>ruvo::views::EventListView</name>
    <message>
        <source>Overdue reminders</source>
        <translation>Überfällige Erinnerungen</translation>
    </message>
    <message>
        <source>Past events</source>
        <translation>Vergangene Termine</translation>
    </message>
</context>
<context>
    <name>ruvo::views::EventRowDelegate</name>
    <message>
        <source>Join video call</source>
        <translation>Videoanruf beitreten</translation>
    </message>
    <message>
        <source>No Events</source>
        <translation>Keine Termine</translation>
    </message>
    <message>
        <source>Overdue reminders</source>
        <translation>Überfällige Erinnerungen</translation>
    </message>
    <message>
        <source>Past events</source>
        <translation>Vergangene Termine</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Beitreten</translation>
    </message>
</context>
<context>
    <name>ruvo::views::EventRowMenu</name>
    <message>
        <source>Join Video Call</source>
        <translation>Videoanruf beitreten</translation>
    </message>
    <message>
        <source>Copy Video Call Link</source>
        <translation>Link zum Videoanruf kopieren</translation>
    </message>
    <message>
        <source>Email Event</source>
        <translation>Termin per E-Mail senden</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Mark as Completed</source>
        <translation>Als erledigt markieren</translation>
    </message>
    <message>
        <source>Show in Calendar</source>
        <translation>Im Kalender zeigen</translation>
    </message>
    <message>
        <source>Show in Google Calendar</source>
        <translation>In Google Kalender zeigen</translation>
    </message>
    <message>
        <source>Show in Reminders</source>
        <translation>In Erinnerungen zeigen</translation>
    </message>
    <message>
        <source>Muted All Occurrences</source>
        <translation>Alle Wiederholungen stummgeschaltet</translation>
    </message>
    <message>
        <source>Mute All Occurrences</source>
        <translation>Alle Wiederholungen stummschalten</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorität</translation>
    </message>
    <message>
        <source>Change Due Date</source>
        <translation>Fälligkeit ändern</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Zusagen</translation>
    </message>
    <message>
        <source>Maybe</source>
        <translation>Vielleicht</translation>
    </message>
    <message>
        <source>Decline</source>
        <translation>Absagen</translation>
    </message>
</context>
<context>
    <name>ruvo::views::ExclusionsEditor</name>
    <message>
        <source>Add Matcher</source>
        <translation>Regel hinzufügen</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Bearbeiten…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>Is Enabled</source>
        <translation>Eingeschaltet</translation>
    </message>
</context>
<context>
    <name>ruvo::views::FirstRunWindow</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy the command</source>
        <translation>Den Befehl kopieren</translation>
    </message>
    <message>
        <source>Your Panel</source>
        <translation>Ihre Leiste</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Your Calendars</source>
        <translation>Ihre Kalender</translation>
    </message>
    <message>
        <source>Ruvo reads calendars from folders of .ics files, such as those vdirsyncer keeps in sync with a CalDAV account, and from GNOME&apos;s online accounts. Add a folder in Settings, Calendar, &quot;Add Calendar Folder…&quot;.</source>
        <translation>Ruvo liest Kalender aus Ordnern mit .ics-Dateien, etwa denen, die vdirsyncer mit einem CalDAV-Konto abgleicht, und aus den Online-Konten von GNOME. Fügen Sie einen Ordner unter „Einstellungen“, „Kalender“, „Kalenderordner hinzufügen…“ hinzu.</translation>
    </message>
    <message>
        <source>Found on this computer:</source>
        <translation>Auf diesem Computer gefunden:</translation>
    </message>
    <message>
        <source>To add what Ruvo does not show yet, run:</source>
        <translation>Um hinzuzufügen, was Ruvo noch nicht anzeigt, führen Sie aus:</translation>
    </message>
</context>
<context>
    <name>ruvo::views::FloatingClockWindow</name>
    <message>
        <source>Floating Clock</source>
        <translation>Schwebende Uhr</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
</context>
<context>
    <name>ruvo::views::FullscreenAlertWindow</name>
    <message>
        <source>Ruvo</source>
        <translation>Ruvo</translation>
    </message>
    <message>
        <source>Join Video Call</source>
        <translation>Videoanruf beitreten</translation>
    </message>
    <message>
        <source>Show Event</source>
        <translation>Termin zeigen</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Schlummern</translation>
    </message>
    <message>
        <source>Snooze 1 minute</source>
        <translation>1 Minute schlummern</translation>
    </message>
    <message>
        <source>Snooze 5 minutes</source>
        <translation>5 Minuten schlummern</translation>
    </message>
    <message>
        <source>Snooze until event</source>
        <translation>Bis zum Termin schlummern</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Dismiss notification</source>
        <translation>Benachrichtigung schließen</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>(No title)</source>
        <translation>(Kein Titel)</translation>
    </message>
</context>
<context>
    <name>ruvo::views::HiddenEventsMenu</name>
    <message>
        <source>Hidden Events</source>
        <translation>Ausgeblendete Termine</translation>
    </message>
    <message>
        <source>Last 10 Hidden Events</source>
        <translation>Die letzten 10 ausgeblendeten Termine</translation>
    </message>
    <message>
        <source>No Hidden Events</source>
        <translation>Keine ausgeblendeten Termine</translation>
    </message>
    <message>
        <source>Unhide</source>
        <translation>Einblenden</translation>
    </message>
</context>
<context>
    <name>ruvo::views::JoinNextCallButton</name>
    <message>
        <source>Join video call</source>
        <translation>Videoanruf beitreten</translation>
    </message>
</context>
<context>
    <name>ruvo::views::MainScreen</name>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>New Event</source>
        <translation>Neuer Termin</translation>
    </message>
</context>
<context>
    <name>ruvo::views::MonthCalendarView</name>
    <message>
        <source>Click to show current month</source>
        <translation>Klicken, um den aktuellen Monat zu zeigen</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
</context>
<context>
    <name>ruvo::views::MoreMenu</name>
    <message>
        <source>Copy Debug Info</source>
        <translation>Diagnosedaten kopieren</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Rückmeldung senden</translation>
    </message>
    <message>
        <source>Ruvo feedback</source>
        <translation>Rückmeldung zu Ruvo</translation>
    </message>
    <message>
        <source>System Settings</source>
        <translation>Systemeinstellungen</translation>
    </message>
    <message>
        <source>Date &amp; Time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Language &amp; Region</source>
        <translation>Sprache und Region</translation>
    </message>
    <message>
        <source>Pin Window</source>
        <translation>Fenster anheften</translation>
    </message>
    <message>
        <source>Calculators…</source>
        <translation>Rechner…</translation>
    </message>
    <message>
        <source>New Event</source>
        <translation>Neuer Termin</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <source>About Ruvo</source>
        <translation>Über Ruvo</translation>
    </message>
</context>
<context>
    <name>ruvo::views::NewCalendarItemWindow</name>
    <message>
        <source>New Calendar Item</source>
        <translation>Neuer Kalendereintrag</translation>
    </message>
    <message>
        <source>Are you sure you want to discard this?</source>
        <translation>Möchten Sie das wirklich verwerfen?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Termin</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Erinnerung</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Switch between new event and reminder</source>
        <translation>Zwischen neuem Termin und neuer Erinnerung wechseln</translation>
    </message>
    <message>
        <source>This window offers the most used fields only. &quot;More Settings…&quot; continues the event in your calendar application. Control+Tab switches between event and reminder.</source>
        <translation>Dieses Fenster bietet nur die meistgenutzten Felder. „Weitere Einstellungen…“ setzt den Termin in Ihrer Kalenderanwendung fort. Strg+Tab wechselt zwischen Termin und Erinnerung.</translation>
    </message>
    <message>
        <source>Got It</source>
        <translation>Verstanden</translation>
    </message>
    <message>
        <source>More Settings…</source>
        <translation>Weitere Einstellungen…</translation>
    </message>
    <message>
        <source>Continue editing the event in the default calendar app</source>
        <translation>Den Termin in der Standard-Kalenderanwendung weiter bearbeiten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add Reminder</source>
        <translation>Erinnerung hinzufügen</translation>
    </message>
    <message>
        <source>Add Event</source>
        <translation>Termin hinzufügen</translation>
    </message>
</context>
<context>
    <name>ruvo::views::NewEventPage</name>
    <message>
        <source>All-day</source>
        <translation>Ganztägig</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Starts:</source>
        <translation>Beginn:</translation>
    </message>
    <message>
        <source>Ends:</source>
        <translation>Ende:</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Second Alert</source>
        <translation>Zweiter Alarm</translation>
    </message>
    <message>
        <source>Alert:</source>
        <translation>Alarm:</translation>
    </message>
    <message>
        <source>Second Alert:</source>
        <translation>Zweiter Alarm:</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>Select the calendar to save the event into</source>
        <translation>Den Kalender wählen, in dem der Termin gespeichert wird</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Calendar:</source>
        <translation>Kalender:</translation>
    </message>
</context>
<context>
    <name>ruvo::views::NewReminderPage</name>
    <message>
        <source>Remind me</source>
        <translation>Erinnern</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Select the list to save the reminder into</source>
        <translation>Die Liste wählen, in der die Erinnerung gespeichert wird</translation>
    </message>
    <message>
        <source>List:</source>
        <translation>Liste:</translation>
    </message>
    <message>
        <source>Due date</source>
        <translation>Fälligkeitsdatum</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Due time</source>
        <translation>Fälligkeitszeit</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorität</translation>
    </message>
    <message>
        <source>Priority:</source>
        <translation>Priorität:</translation>
    </message>
</context>
<context>
    <name>ruvo::views::PatternField</name>
    <message>
        <source>Pattern help</source>
        <translation>Hilfe zu Mustern</translation>
    </message>
    <message>
        <source>E d MMM  HH:mm</source>
        <translation>E d MMM  HH:mm</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Empty: the clock shows what the switches choose.</source>
        <translation>Leer: Die Uhr zeigt, was die Schalter wählen.</translation>
    </message>
    <message>
        <source>This pattern cannot be read.</source>
        <translation>Dieses Muster kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Preview: %1</source>
        <translation>Vorschau: %1</translation>
    </message>
</context>
<context>
    <name>ruvo::views::QuickAddLine</name>
    <message>
        <source>Add an event: “Lunch with Ana Friday 1pm”</source>
        <translation>Termin hinzufügen: „Mittagessen mit Ana Freitag 13 Uhr“</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>Hinzugefügt: %1</translation>
    </message>
</context>
<context>
    <name>ruvo::views::SettingsWindow</name>
    <message>
        <source>Ruvo Settings</source>
        <translation>Einstellungen von Ruvo</translation>
    </message>
    <message>
        <source>Settings sections</source>
        <translation>Bereiche der Einstellungen</translation>
    </message>
</context>
<context>
    <name>ruvo::views::ShortcutRecorder</name>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove the shortcut</source>
        <translation>Das Tastenkürzel entfernen</translation>
    </message>
    <message>
        <source>Press the shortcut…</source>
        <translation>Drücken Sie das Tastenkürzel…</translation>
    </message>
    <message>
        <source>Record Shortcut</source>
        <translation>Tastenkürzel aufnehmen</translation>
    </message>
</context>
<context>
    <name>ruvo::views::TimeTravelSliderRow</name>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Time Travel&lt;/b&gt;</source>
        <translation>&lt;b&gt;Zeitreise&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;small&gt;There is a setting to hide the slider.&lt;/small&gt;</source>
        <translation>&lt;small&gt;Der Schieberegler lässt sich in den Einstellungen ausblenden.&lt;/small&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Time Travel</source>
        <translation>Zeitreise</translation>
    </message>
    <message>
        <source>Drag the slider to see a future or past local time in all your time zones. This can be useful for planning events or meetings.

By default, it will skip an hour at a time, but if you hold Alt, it will skip by 15 minutes.</source>
        <translation>Ziehen Sie den Schieberegler, um eine künftige oder vergangene Ortszeit in all Ihren Zeitzonen zu sehen. Das kann bei der Planung von Terminen oder Besprechungen helfen.

Standardmäßig springt er jeweils eine Stunde weiter; wenn Sie Alt gedrückt halten, springt er in Schritten von 15 Minuten.</translation>
    </message>
</context>
<context>
    <name>ruvo::views::TimeZoneClockMenuView</name>
    <message>
        <source>Current Time Zone</source>
        <translation>Aktuelle Zeitzone</translation>
    </message>
</context>
<context>
    <name>ruvo::views::TimeZoneRowView</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy the date and time in ISO 8601 format.</source>
        <translation>Datum und Uhrzeit im Format ISO 8601 kopieren.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
</context>
<context>
    <name>ruvo::views::TimeZonesSettings</name>
    <message>
        <source>Add Time Zone</source>
        <translation>Zeitzone hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Edit Time Zone</source>
        <translation>Zeitzone bearbeiten</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>%1 löschen?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Time Zones</source>
        <translation>Zeitzonen</translation>
    </message>
</context>
</TS>
