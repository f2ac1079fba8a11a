<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CalendarsFound</name>
    <message numerus="yes">
        <source>%n calendar(s)</source>
        <translation>
            <numerusform>%n calendar</numerusform>
            <numerusform>%n calendars</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message numerus="yes">
        <source>%n event(s)</source>
        <translation>
            <numerusform>%n event</numerusform>
            <numerusform>%n events</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reminder(s)</source>
        <translation>
            <numerusform>%n reminder</numerusform>
            <numerusform>%n reminders</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n replaced an older version(s)</source>
        <translation>
            <numerusform>%n replaced an older version</numerusform>
            <numerusform>%n replaced older versions</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n skipped</numerusform>
            <numerusform>%n skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n failed</numerusform>
            <numerusform>%n failed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n calendar(s)</source>
        <translation>
            <numerusform>%n calendar</numerusform>
            <numerusform>%n calendars</numerusform>
        </translation>
    </message>
</context>
</TS>
