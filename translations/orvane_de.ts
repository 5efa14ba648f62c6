<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BWAccessibleCalendar</name>
    <message>
        <source>Calendar, %1</source>
        <translation>Kalender, %1</translation>
    </message>
</context>
<context>
    <name>BWAccessibleCalendarDay</name>
    <message>
        <source>%1, %2 due</source>
        <translation>%1, %2 fällig</translation>
    </message>
    <message>
        <source>Another month</source>
        <translation>Anderer Monat</translation>
    </message>
</context>
<context>
    <name>BWAccessibleFactory</name>
    <message>
        <source>Choose Date</source>
        <translation>Datum wählen</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Previous Month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>Nächster Monat</translation>
    </message>
</context>
<context>
    <name>BWAccessiblePieChart</name>
    <message>
        <source>Pie chart</source>
        <translation>Kreisdiagramm</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>BWAccessibleSegmentedControl</name>
    <message>
        <source>Choices</source>
        <translation>Auswahl</translation>
    </message>
</context>
<context>
    <name>BWAccessibleStepper</name>
    <message>
        <source>Stepper</source>
        <translation>Schrittregler</translation>
    </message>
</context>
<context>
    <name>BWAnnouncements</name>
    <message>
        <source>%1: payment of %2 logged</source>
        <translation>%1: Zahlung von %2 erfasst</translation>
    </message>
    <message>
        <source>%1: payment skipped</source>
        <translation>%1: Zahlung übersprungen</translation>
    </message>
    <message>
        <source>%1 saved</source>
        <translation>%1 gespeichert</translation>
    </message>
</context>
<context>
    <name>BWAutomaticCatchUp</name>
    <message numerus="yes">
        <source>Log %n Automatic Payments?</source>
        <translation>
            <numerusform>%n automatische Zahlung eintragen?</numerusform>
            <numerusform>%n automatische Zahlungen eintragen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saving logs %n automatic payments at once, one for each due date from %1 until today.</source>
        <translation>
            <numerusform>Das Sichern trägt %n automatische Zahlung auf einmal ein, für das Fälligkeitsdatum %1.</numerusform>
            <numerusform>Das Sichern trägt %n automatische Zahlungen auf einmal ein, eine für jedes Fälligkeitsdatum von %1 bis heute.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save and Log Them</source>
        <translation>Sichern und eintragen</translation>
    </message>
</context>
<context>
    <name>BWAutomaticPayments</name>
    <message>
        <source>Auto-logged by Orvane</source>
        <translation>Automatisch gebucht von Orvane</translation>
    </message>
</context>
<context>
    <name>BWBillActionsMenu</name>
    <message>
        <source>Actions</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <source>Are you sure you want to skip the next payment for this bill?</source>
        <translation>Möchten Sie die nächste Zahlung dieser Rechnung wirklich überspringen?</translation>
    </message>
    <message>
        <source>Repeat Action</source>
        <translation>Aktion wiederholen</translation>
    </message>
</context>
<context>
    <name>BWBillCommandRunner</name>
    <message>
        <source>Log Payment</source>
        <translation>Zahlung buchen</translation>
    </message>
    <message>
        <source>Quick Logged</source>
        <translation>Schnell gebucht</translation>
    </message>
    <message>
        <source>The Payment Was Not Logged</source>
        <translation>Die Zahlung wurde nicht gebucht</translation>
    </message>
    <message>
        <source>The bill could not be saved, so its payments and due date are unchanged.</source>
        <translation>Die Rechnung konnte nicht gespeichert werden; ihre Zahlungen und ihr Fälligkeitsdatum bleiben unverändert.</translation>
    </message>
    <message>
        <source>No Bill Selected</source>
        <translation>Keine Rechnung ausgewählt</translation>
    </message>
    <message>
        <source>Select a bill before trying to export it as a CSV file.</source>
        <translation>Wählen Sie eine Rechnung aus, bevor Sie sie als CSV-Datei exportieren.</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>The bill could not be read.</source>
        <translation>Die Rechnung konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Export Bill As CSV</source>
        <translation>Rechnung als CSV exportieren</translation>
    </message>
    <message>
        <source>The payments could not be saved to &quot;%1&quot;.</source>
        <translation>Die Zahlungen konnten nicht in „%1“ gespeichert werden.</translation>
    </message>
    <message>
        <source>Hide Paydays on Overview</source>
        <translation>Zahltage in der Übersicht ausblenden</translation>
    </message>
    <message>
        <source>Show Paydays on Overview</source>
        <translation>Zahltage in der Übersicht anzeigen</translation>
    </message>
</context>
<context>
    <name>BWBillDetailViewController</name>
    <message>
        <source>Enter a Date</source>
        <translation>Geben Sie ein Datum ein</translation>
    </message>
    <message>
        <source>The Change Was Not Saved</source>
        <translation>Die Änderung wurde nicht gespeichert</translation>
    </message>
    <message>
        <source>The bill could not be written; it is unchanged.</source>
        <translation>Die Rechnung konnte nicht geschrieben werden; sie bleibt unverändert.</translation>
    </message>
    <message>
        <source>The Payment Was Not Skipped</source>
        <translation>Die Zahlung wurde nicht übersprungen</translation>
    </message>
    <message>
        <source>An archived bill has no payment to skip until it is restored.</source>
        <translation>Eine archivierte Rechnung hat keine Zahlung zum Überspringen, bis sie wiederhergestellt ist.</translation>
    </message>
    <message>
        <source>The bill&apos;s next due date could not be worked out.</source>
        <translation>Das nächste Fälligkeitsdatum der Rechnung konnte nicht ermittelt werden.</translation>
    </message>
    <message>
        <source>The Receipt Could Not Be Opened</source>
        <translation>Der Beleg konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The receipt file &quot;%1&quot; is missing.</source>
        <translation>Die Belegdatei „%1“ fehlt.</translation>
    </message>
    <message>
        <source>The bill&apos;s payments changed since they were shown. Look again.</source>
        <translation>Die Zahlungen der Rechnung haben sich seit der Anzeige geändert. Sehen Sie bitte noch einmal nach.</translation>
    </message>
    <message>
        <source>The Receipt Was Not Attached</source>
        <translation>Der Beleg wurde nicht angehängt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be copied into Orvane&apos;s data folder; the payment keeps its earlier receipt.</source>
        <translation>„%1“ konnte nicht in den Datenordner von Orvane kopiert werden; die Zahlung behält ihren bisherigen Beleg.</translation>
    </message>
    <message>
        <source>Enter an Amount</source>
        <translation>Geben Sie einen Betrag ein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount.</source>
        <translation>„%1“ ist kein Betrag.</translation>
    </message>
    <message>
        <source>The Payment Was Not Changed</source>
        <translation>Die Zahlung wurde nicht geändert</translation>
    </message>
    <message>
        <source>The payment of %1 on %2 is taken out of the bill&apos;s history and totals.</source>
        <translation>Die Zahlung von %1 am %2 wird aus dem Verlauf und den Summen der Rechnung entfernt.</translation>
    </message>
    <message>
        <source>The due date moves back to where it was before this payment.</source>
        <translation>Das Fälligkeitsdatum geht auf den Stand vor dieser Zahlung zurück.</translation>
    </message>
    <message>
        <source>The due date stays as it is: this partial payment did not move it.</source>
        <translation>Das Fälligkeitsdatum bleibt, wie es ist: Diese Teilzahlung hat es nicht verschoben.</translation>
    </message>
    <message>
        <source>Delete This Payment?</source>
        <translation>Diese Zahlung löschen?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Delete Payment</source>
        <translation>Zahlung löschen</translation>
    </message>
    <message>
        <source>The Payment Was Not Removed</source>
        <translation>Die Zahlung wurde nicht entfernt</translation>
    </message>
    <message>
        <source>Enter a Number</source>
        <translation>Geben Sie eine Zahl ein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>„%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>Enter an Interest Rate</source>
        <translation>Geben Sie einen Zinssatz ein</translation>
    </message>
    <message>
        <source>%1 % is no interest rate. Enter the rate as a percent from 0 to 100.</source>
        <translation>%1 % ist kein Zinssatz. Geben Sie den Satz in Prozent von 0 bis 100 ein.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Previous Bill</source>
        <translation>Vorherige Rechnung</translation>
    </message>
    <message>
        <source>Next Bill</source>
        <translation>Nächste Rechnung</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <source>Click to change the amount</source>
        <translation>Klicken, um den Betrag zu ändern</translation>
    </message>
    <message>
        <source>This income is logged automatically on its pay day.</source>
        <translation>Diese Einnahme wird an ihrem Zahltag automatisch gebucht.</translation>
    </message>
    <message>
        <source>Change Date</source>
        <translation>Datum ändern</translation>
    </message>
    <message>
        <source>Change Amount</source>
        <translation>Betrag ändern</translation>
    </message>
    <message>
        <source>Pay Now</source>
        <translation>Jetzt bezahlen</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Log Payment</source>
        <translation>Zahlung buchen</translation>
    </message>
    <message>
        <source>Partial</source>
        <translation>Teilweise</translation>
    </message>
    <message>
        <source>Log Partial Payment</source>
        <translation>Teilzahlung buchen</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>View Receipt</source>
        <translation>Beleg anzeigen</translation>
    </message>
    <message>
        <source>Date Paid</source>
        <translation>Bezahlt am</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Beleg</translation>
    </message>
    <message>
        <source>Previous Figures</source>
        <translation>Vorherige Zahlen</translation>
    </message>
    <message>
        <source>Next Figures</source>
        <translation>Nächste Zahlen</translation>
    </message>
    <message>
        <source>Payments</source>
        <translation>Zahlungen</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Höchster</translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation>Niedrigster</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Summen</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Dieses Jahr</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Letztes Jahr</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Escrow</source>
        <translation>Treuhand</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Zinsen</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Jahreszeiten</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Winter</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Frühling</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Sommer</translation>
    </message>
    <message>
        <source>Fall</source>
        <translation>Herbst</translation>
    </message>
    <message>
        <source>Skip Payment</source>
        <translation>Zahlung überspringen</translation>
    </message>
    <message>
        <source>Edit Payment</source>
        <translation>Zahlung bearbeiten</translation>
    </message>
    <message>
        <source>Remove Receipt</source>
        <translation>Beleg entfernen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Date Paid:</source>
        <translation>Bezahlt am:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>Receipt:</source>
        <translation>Beleg:</translation>
    </message>
    <message>
        <source>Quick Edit</source>
        <translation>Schnell bearbeiten</translation>
    </message>
    <message>
        <source>Due Date</source>
        <translation>Fälligkeitsdatum</translation>
    </message>
    <message>
        <source>Balance:</source>
        <translation>Saldo:</translation>
    </message>
    <message>
        <source>Interest Rate (%):</source>
        <translation>Zinssatz (%):</translation>
    </message>
    <message>
        <source>Escrow:</source>
        <translation>Treuhand:</translation>
    </message>
    <message>
        <source>AMOUNT</source>
        <translation>BETRAG</translation>
    </message>
    <message>
        <source>AMOUNT DUE</source>
        <translation>FÄLLIGER BETRAG</translation>
    </message>
    <message>
        <source>Income History</source>
        <translation>Einnahmenverlauf</translation>
    </message>
    <message>
        <source>Payment History</source>
        <translation>Zahlungsverlauf</translation>
    </message>
    <message>
        <source>Total Income</source>
        <translation>Einnahmen gesamt</translation>
    </message>
    <message>
        <source>Total Paid</source>
        <translation>Gezahlt gesamt</translation>
    </message>
    <message>
        <source>Date adjusted to avoid weekend.</source>
        <translation>Datum verschoben, um ein Wochenende zu meiden.</translation>
    </message>
    <message>
        <source>Date adjusted to avoid holiday.</source>
        <translation>Datum verschoben, um einen Feiertag zu meiden.</translation>
    </message>
    <message>
        <source>Archived</source>
        <translation>Archiviert</translation>
    </message>
    <message>
        <source>Not Set</source>
        <translation>Nicht festgelegt</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Earlier Figures</source>
        <translation>Frühere Werte</translation>
    </message>
    <message>
        <source>Later Figures</source>
        <translation>Spätere Werte</translation>
    </message>
    <message>
        <source>Interest Rate</source>
        <translation>Zinssatz</translation>
    </message>
    <message>
        <source>The payment was removed since it was shown.</source>
        <translation>Die Zahlung wurde entfernt, seit sie angezeigt wurde.</translation>
    </message>
</context>
<context>
    <name>BWBillEditorController</name>
    <message>
        <source>Savings Goal</source>
        <translation>Sparziel</translation>
    </message>
    <message>
        <source>Savings Goals</source>
        <translation>Sparziele</translation>
    </message>
    <message>
        <source>save the bill</source>
        <translation>die Rechnung speichern</translation>
    </message>
    <message>
        <source>save the income item</source>
        <translation>die Einnahme speichern</translation>
    </message>
    <message>
        <source>Do you really want to delete</source>
        <translation>Möchten Sie wirklich löschen:</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Bill Editor</source>
        <translation>Rechnungseditor</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Back to the usual repeat choices</source>
        <translation>Zurück zu den üblichen Wiederholungen</translation>
    </message>
    <message>
        <source>Bill name</source>
        <translation>Name der Rechnung</translation>
    </message>
    <message>
        <source>Amount varies</source>
        <translation>Betrag schwankt</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>Web address where you pay</source>
        <translation>Webadresse, unter der Sie bezahlen</translation>
    </message>
    <message>
        <source>Tags, separated by commas</source>
        <translation>Schlagwörter, durch Kommas getrennt</translation>
    </message>
    <message>
        <source>Remind me</source>
        <translation>Erinnern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Due:</source>
        <translation>Fällig:</translation>
    </message>
    <message>
        <source>Repeats:</source>
        <translation>Wiederholung:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>Balance:</source>
        <translation>Saldo:</translation>
    </message>
    <message>
        <source>Pay by:</source>
        <translation>Zahlart:</translation>
    </message>
    <message>
        <source>Pay site:</source>
        <translation>Zahlseite:</translation>
    </message>
    <message>
        <source>Tags:</source>
        <translation>Schlagwörter:</translation>
    </message>
    <message>
        <source>days before it is due</source>
        <translation>Tage vor Fälligkeit</translation>
    </message>
    <message>
        <source>Income name</source>
        <translation>Name der Einnahme</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Paid on:</source>
        <translation>Bezahlt am:</translation>
    </message>
    <message>
        <source>Income Editor</source>
        <translation>Einnahmeneditor</translation>
    </message>
    <message>
        <source>Enter an Amount</source>
        <translation>Geben Sie einen Betrag ein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount.</source>
        <translation>„%1“ ist kein Betrag.</translation>
    </message>
    <message>
        <source>The Item Was Not Saved</source>
        <translation>Der Eintrag wurde nicht gespeichert</translation>
    </message>
    <message>
        <source>Orvane could not %1, so nothing was changed and your entries are still in the form. Check that the data folder can be written to, then try again.</source>
        <translation>Orvane konnte %1 nicht; es wurde nichts geändert, und Ihre Eingaben stehen noch im Formular. Prüfen Sie, ob der Datenordner beschreibbar ist, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>delete the item</source>
        <translation>den Eintrag löschen</translation>
    </message>
    <message>
        <source>Enter a Date</source>
        <translation>Geben Sie ein Datum ein</translation>
    </message>
    <message>
        <source>Repeat Every</source>
        <translation>Wiederholen alle</translation>
    </message>
    <message>
        <source>Usual Repeats</source>
        <translation>Übliche Wiederholungen</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Bill Name</source>
        <translation>Name der Rechnung</translation>
    </message>
    <message>
        <source>Due Date</source>
        <translation>Fälligkeitsdatum</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Pay Site</source>
        <translation>Zahlungsseite</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Schlagwörter</translation>
    </message>
    <message>
        <source>Days before it is due</source>
        <translation>Tage vor der Fälligkeit</translation>
    </message>
    <message>
        <source>Income Name</source>
        <translation>Name der Einnahme</translation>
    </message>
    <message>
        <source>Paid On</source>
        <translation>Bezahlt am</translation>
    </message>
</context>
<context>
    <name>BWBillsLoader</name>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Due in 1 day</source>
        <translation>Fällig in 1 Tag</translation>
    </message>
    <message>
        <source>Due in 1 week</source>
        <translation>Fällig in 1 Woche</translation>
    </message>
    <message numerus="yes">
        <source>Due in %n days</source>
        <translation>
            <numerusform>Fällig in %n Tag</numerusform>
            <numerusform>Fällig in %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Due in about 1 month</source>
        <translation>Fällig in etwa 1 Monat</translation>
    </message>
    <message>
        <source>Due in over 1 month</source>
        <translation>Fällig in über 1 Monat</translation>
    </message>
    <message numerus="yes">
        <source>Due in about %n months</source>
        <translation>
            <numerusform>Fällig in etwa %n Monat</numerusform>
            <numerusform>Fällig in etwa %n Monaten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Due in over %n months</source>
        <translation>
            <numerusform>Fällig in über %n Monat</numerusform>
            <numerusform>Fällig in über %n Monaten</numerusform>
        </translation>
    </message>
    <message>
        <source>Due in over 1 year</source>
        <translation>Fällig in über 1 Jahr</translation>
    </message>
    <message>
        <source>Paid in 1 day</source>
        <translation>Zahlung in 1 Tag</translation>
    </message>
    <message>
        <source>Paid in 1 week</source>
        <translation>Zahlung in 1 Woche</translation>
    </message>
    <message numerus="yes">
        <source>Paid in %n days</source>
        <translation>
            <numerusform>Zahlung in %n Tag</numerusform>
            <numerusform>Zahlung in %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Paid in about 1 month</source>
        <translation>Zahlung in etwa 1 Monat</translation>
    </message>
    <message>
        <source>Paid in over 1 month</source>
        <translation>Zahlung in über 1 Monat</translation>
    </message>
    <message numerus="yes">
        <source>Paid in about %n months</source>
        <translation>
            <numerusform>Zahlung in etwa %n Monat</numerusform>
            <numerusform>Zahlung in etwa %n Monaten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paid in over %n months</source>
        <translation>
            <numerusform>Zahlung in über %n Monat</numerusform>
            <numerusform>Zahlung in über %n Monaten</numerusform>
        </translation>
    </message>
    <message>
        <source>Paid in over 1 year</source>
        <translation>Zahlung in über 1 Jahr</translation>
    </message>
    <message>
        <source>In 1 day</source>
        <translation>In 1 Tag</translation>
    </message>
    <message>
        <source>In 1 week</source>
        <translation>In 1 Woche</translation>
    </message>
    <message numerus="yes">
        <source>In %n days</source>
        <translation>
            <numerusform>In %n Tag</numerusform>
            <numerusform>In %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>In 1 month</source>
        <translation>In 1 Monat</translation>
    </message>
    <message>
        <source>Over 1 month</source>
        <translation>In über 1 Monat</translation>
    </message>
    <message numerus="yes">
        <source>In %n months</source>
        <translation>
            <numerusform>In %n Monat</numerusform>
            <numerusform>In %n Monaten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Over %n months</source>
        <translation>
            <numerusform>In über %n Monat</numerusform>
            <numerusform>In über %n Monaten</numerusform>
        </translation>
    </message>
    <message>
        <source>Over 1 year</source>
        <translation>In über 1 Jahr</translation>
    </message>
    <message>
        <source>Paid 1 day ago</source>
        <translation>Vor 1 Tag bezahlt</translation>
    </message>
    <message>
        <source>Overdue by 1 day</source>
        <translation>1 Tag überfällig</translation>
    </message>
    <message numerus="yes">
        <source>Paid %n days ago</source>
        <translation>
            <numerusform>Vor %n Tag bezahlt</numerusform>
            <numerusform>Vor %n Tagen bezahlt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Overdue by %n days</source>
        <translation>
            <numerusform>%n Tag überfällig</numerusform>
            <numerusform>%n Tage überfällig</numerusform>
        </translation>
    </message>
    <message>
        <source>Paid today</source>
        <translation>Heute bezahlt</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>Heute fällig</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>Überfällig</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Jede Woche</translation>
    </message>
    <message numerus="yes">
        <source>Every %n weeks</source>
        <translation>
            <numerusform>Alle %n Woche</numerusform>
            <numerusform>Alle %n Wochen</numerusform>
        </translation>
    </message>
    <message>
        <source>Twice per month</source>
        <translation>Zweimal im Monat</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>Jeden Monat</translation>
    </message>
    <message>
        <source>Every quarter</source>
        <translation>Jedes Quartal</translation>
    </message>
    <message>
        <source>Every year</source>
        <translation>Jedes Jahr</translation>
    </message>
    <message numerus="yes">
        <source>Every %n months</source>
        <translation>
            <numerusform>Alle %n Monat</numerusform>
            <numerusform>Alle %n Monate</numerusform>
        </translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Jeden Tag</translation>
    </message>
    <message numerus="yes">
        <source>Every %n days</source>
        <translation>
            <numerusform>Alle %n Tag</numerusform>
            <numerusform>Alle %n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>Paid 1 time</source>
        <translation>1-mal bezahlt</translation>
    </message>
    <message numerus="yes">
        <source>Paid %n times</source>
        <translation>
            <numerusform>%n-mal bezahlt</numerusform>
            <numerusform>%n-mal bezahlt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BWCloudSyncGlue</name>
    <message>
        <source>Sync is not available in this copy of Orvane.</source>
        <translation>Die Synchronisation ist in dieser Kopie von Orvane nicht verfügbar.</translation>
    </message>
    <message>
        <source>No shared folder is in use: choose one below, then start Orvane again.</source>
        <translation>Es wird kein gemeinsamer Ordner verwendet: Wählen Sie unten einen aus und starten Sie Orvane neu.</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Synchronisation fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>A sync file that could not be read was moved to %1</source>
        <translation>Eine nicht lesbare Synchronisationsdatei wurde nach %1 verschoben</translation>
    </message>
    <message>
        <source>Last Sync: %1</source>
        <translation>Letzte Synchronisation: %1</translation>
    </message>
    <message>
        <source>Orvane Cloud Account…</source>
        <translation>Orvane-Cloud-Konto …</translation>
    </message>
    <message>
        <source>Orvane Cloud</source>
        <translation>Orvane Cloud</translation>
    </message>
    <message numerus="yes">
        <source>The clock of computer %1 is %n day(s) ahead. Set its date and time right; its changes are merged once it is.</source>
        <translation>
            <numerusform>Die Uhr des Computers %1 geht %n Tag vor. Stellen Sie dort Datum und Uhrzeit richtig ein; seine Änderungen werden dann übernommen.</numerusform>
            <numerusform>Die Uhr des Computers %1 geht %n Tage vor. Stellen Sie dort Datum und Uhrzeit richtig ein; seine Änderungen werden dann übernommen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Another computer syncs under this computer&apos;s id, as after copying a whole disk. This computer now syncs under an id of its own.</source>
        <translation>Ein anderer Computer synchronisiert unter der Kennung dieses Computers, wie nach dem Kopieren einer ganzen Festplatte. Dieser Computer synchronisiert jetzt unter einer eigenen Kennung.</translation>
    </message>
</context>
<context>
    <name>BWCommandLine</name>
    <message>
        <source>Keeps your recurring bills and income in order.</source>
        <translation>Verwaltet Ihre regelmäßigen Rechnungen und Einnahmen.</translation>
    </message>
    <message>
        <source>An Orvane launch address to open, as the login agent does.</source>
        <translation>Eine Orvane-Startadresse, die geöffnet wird, wie es der Anmelde-Agent tut.</translation>
    </message>
</context>
<context>
    <name>BWDateField</name>
    <message>
        <source>%1 lies outside the dates this field takes, %2 to %3.</source>
        <translation>%1 liegt außerhalb des Bereichs dieses Feldes, %2 bis %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date. Type a day of the month, a month and day such as &quot;%2&quot;, or a whole date such as &quot;%3&quot;.</source>
        <translation>„%1“ ist kein Datum. Geben Sie einen Tag des Monats, Monat und Tag wie „%2“ oder ein ganzes Datum wie „%3“ ein.</translation>
    </message>
    <message>
        <source>No date is entered. Type a day of the month, a month and day such as &quot;%1&quot;, or a whole date such as &quot;%2&quot;, or pick one from the calendar.</source>
        <translation>Es ist kein Datum eingegeben. Geben Sie einen Tag des Monats ein, Monat und Tag wie „%1“ oder ein ganzes Datum wie „%2“, oder wählen Sie eines im Kalender.</translation>
    </message>
</context>
<context>
    <name>BWFirebaseCloudAccount</name>
    <message>
        <source>Orvane Cloud is not set up on this computer.</source>
        <translation>Orvane Cloud ist auf diesem Computer nicht eingerichtet.</translation>
    </message>
    <message>
        <source>You are not signed in to Orvane Cloud.</source>
        <translation>Sie sind nicht bei Orvane Cloud angemeldet.</translation>
    </message>
    <message>
        <source>This is not a valid email address.</source>
        <translation>Dies ist keine gültige E-Mail-Adresse.</translation>
    </message>
    <message>
        <source>This password is too weak. Choose a longer one.</source>
        <translation>Dieses Passwort ist zu schwach. Wählen Sie ein längeres.</translation>
    </message>
    <message>
        <source>An account with this email address exists already.</source>
        <translation>Es gibt bereits ein Konto mit dieser E-Mail-Adresse.</translation>
    </message>
    <message>
        <source>The email address or the password is wrong.</source>
        <translation>Die E-Mail-Adresse oder das Passwort ist falsch.</translation>
    </message>
    <message>
        <source>Too many attempts. Please wait a while and try again.</source>
        <translation>Zu viele Versuche. Bitte warten Sie eine Weile und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Your session has ended. Please sign in again.</source>
        <translation>Ihre Sitzung ist abgelaufen. Bitte melden Sie sich erneut an.</translation>
    </message>
    <message>
        <source>Orvane Cloud could not be reached. Check your internet connection and try again.</source>
        <translation>Orvane Cloud ist nicht erreichbar. Prüfen Sie Ihre Internetverbindung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Orvane Cloud did not answer as expected. Please try again later.</source>
        <translation>Orvane Cloud hat unerwartet geantwortet. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Orvane Cloud refused the change.</source>
        <translation>Orvane Cloud hat die Änderung abgelehnt.</translation>
    </message>
    <message>
        <source>Something went wrong. Please try again.</source>
        <translation>Etwas ist schiefgegangen. Bitte versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>BWForecastViewController</name>
    <message>
        <source>Forecast</source>
        <translation>Prognose</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Fällig</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Bills</source>
        <translation>Rechnungen</translation>
    </message>
    <message>
        <source>To Save</source>
        <translation>Zu sparen</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <source>Include amounts to save</source>
        <translation>Sparbeträge einbeziehen</translation>
    </message>
    <message>
        <source>Estimate varying amounts</source>
        <translation>Schwankende Beträge schätzen</translation>
    </message>
</context>
<context>
    <name>BWGraphViewController</name>
    <message>
        <source>By Month</source>
        <translation>Nach Monat</translation>
    </message>
    <message>
        <source>By Payment</source>
        <translation>Nach Zahlung</translation>
    </message>
    <message>
        <source>Payment Graph</source>
        <translation>Zahlungsgrafik</translation>
    </message>
</context>
<context>
    <name>BWHistoryViewController</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Paid On</source>
        <translation>Bezahlt am</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Payments</source>
        <translation>Zahlungen</translation>
    </message>
    <message>
        <source>Total Paid</source>
        <translation>Gezahlt gesamt</translation>
    </message>
</context>
<context>
    <name>BWImportController</name>
    <message>
        <source>Warning: Importing Will Overwrite Your Current Data</source>
        <translation>Warnung: Der Import überschreibt Ihre aktuellen Daten</translation>
    </message>
    <message>
        <source>Importing Orvane 4 data will overwrite all current Orvane 5 data. This cannot be undone. Are you sure you want to continue?</source>
        <translation>Der Import der Daten von Orvane 4 überschreibt alle aktuellen Daten von Orvane 5. Dies kann nicht rückgängig gemacht werden. Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source>Erase &amp; Import</source>
        <translation>Löschen und importieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Select Orvane Folder</source>
        <translation>Orvane-Ordner auswählen</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Invalid Folder</source>
        <translation>Ungültiger Ordner</translation>
    </message>
    <message>
        <source>This doesn&apos;t appear to be a Orvane database folder. The folder should be named Orvane. Please try again.</source>
        <translation>Dies scheint kein Datenbankordner von Orvane zu sein. Der Ordner sollte Orvane heißen. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Import Orvane 4 Data</source>
        <translation>Daten von Orvane 4 importieren</translation>
    </message>
    <message>
        <source>Import the bills of Orvane 4 from its usual place, or choose the folder named Orvane that holds its data.</source>
        <translation>Importieren Sie die Rechnungen von Orvane 4 von ihrem üblichen Ort, oder wählen Sie den Ordner namens Orvane, der seine Daten enthält.</translation>
    </message>
    <message>
        <source>Import from the Usual Place</source>
        <translation>Vom üblichen Ort importieren</translation>
    </message>
    <message>
        <source>Choose Folder…</source>
        <translation>Ordner wählen …</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>These bills could not be read: %1.</source>
        <translation>Diese Rechnungen konnten nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>No older Orvane data could be imported from there.</source>
        <translation>Von dort konnten keine älteren Orvane-Daten importiert werden.</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Import fehlgeschlagen</translation>
    </message>
    <message>
        <source>Some Bills Were Not Imported</source>
        <translation>Einige Rechnungen wurden nicht importiert</translation>
    </message>
    <message numerus="yes">
        <source>%n bill(s) were imported. </source>
        <translation>
            <numerusform>%n Rechnung wurde importiert. </numerusform>
            <numerusform>%n Rechnungen wurden importiert. </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BWIncomeController</name>
    <message>
        <source>Income Sources</source>
        <translation>Einkommensquellen</translation>
    </message>
    <message>
        <source>No income sources yet. A source is money that comes in regularly, such as a salary or a pension: Orvane counts it in this month&apos;s income and expected balance. Click &quot;Add Income Source&quot; to add one.

Income items made with &quot;+ Income&quot; on the overview are kept with your bills and are not listed here.</source>
        <translation>Noch keine Einkommensquellen. Eine Quelle ist Geld, das regelmäßig eingeht, etwa ein Gehalt oder eine Rente: Orvane zählt es zu den Einnahmen und zum erwarteten Saldo dieses Monats. Klicken Sie auf „Einkommensquelle hinzufügen“, um eine anzulegen.

Einnahmen, die Sie in der Übersicht mit „+ Einnahme“ anlegen, werden bei Ihren Rechnungen geführt und erscheinen hier nicht.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Pay Day</source>
        <translation>Zahltag</translation>
    </message>
    <message>
        <source>Repeats</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <source>Add Income Source</source>
        <translation>Einkommensquelle hinzufügen</translation>
    </message>
    <message>
        <source>Last Day of Month</source>
        <translation>Letzter Tag des Monats</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>Zweiwöchentlich</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>Pay Day:</source>
        <translation>Zahltag:</translation>
    </message>
    <message>
        <source>Repeats:</source>
        <translation>Wiederholung:</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Bearbeiten …</translation>
    </message>
    <message>
        <source>Enter the amount as a number of 0 or more.</source>
        <translation>Geben Sie den Betrag als Zahl von 0 oder mehr ein.</translation>
    </message>
    <message>
        <source>The income sources could not be saved.</source>
        <translation>Die Einkommensquellen konnten nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>BWLegacyKeyValueSync</name>
    <message>
        <source>Last Sync: %1</source>
        <translation>Letzte Synchronisation: %1</translation>
    </message>
    <message>
        <source>Delete iCloud Data?</source>
        <translation>iCloud-Daten löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete your Orvane data on iCloud? This will not delete your local data.</source>
        <translation>Möchten Sie Ihre Orvane-Daten in iCloud wirklich löschen? Ihre lokalen Daten werden dabei nicht gelöscht.</translation>
    </message>
    <message>
        <source>Delete iCloud Data</source>
        <translation>iCloud-Daten löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>BWLogPaymentController</name>
    <message>
        <source>Log Payment</source>
        <translation>Zahlung buchen</translation>
    </message>
    <message>
        <source>Log Partial Payment</source>
        <translation>Teilzahlung buchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Date Paid:</source>
        <translation>Bezahlt am:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>This item no longer exists, so no payment can be logged for it.</source>
        <translation>Diesen Eintrag gibt es nicht mehr, daher kann keine Zahlung dafür gebucht werden.</translation>
    </message>
    <message>
        <source>This item was archived or deleted, so no payment can be logged for it.</source>
        <translation>Dieser Eintrag wurde archiviert oder gelöscht, daher kann keine Zahlung dafür gebucht werden.</translation>
    </message>
    <message>
        <source>The receipt file can&apos;t be found: %1</source>
        <translation>Die Belegdatei wurde nicht gefunden: %1</translation>
    </message>
    <message>
        <source>The payment could not be saved, so nothing was logged. Check that the data folder can be written to.</source>
        <translation>Die Zahlung konnte nicht gespeichert werden, daher wurde nichts gebucht. Prüfen Sie, ob der Datenordner beschreibbar ist.</translation>
    </message>
    <message>
        <source>Enter the amount paid.</source>
        <translation>Geben Sie den gezahlten Betrag ein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount. Enter the amount paid as a number.</source>
        <translation>„%1“ ist kein Betrag. Geben Sie den gezahlten Betrag als Zahl ein.</translation>
    </message>
    <message>
        <source>The amount paid can&apos;t be negative.</source>
        <translation>Der gezahlte Betrag darf nicht negativ sein.</translation>
    </message>
    <message>
        <source>Select Receipt</source>
        <translation>Beleg auswählen</translation>
    </message>
    <message>
        <source>Date Paid</source>
        <translation>Bezahlt am</translation>
    </message>
    <message>
        <source>Amount Paid</source>
        <translation>Bezahlter Betrag</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
</context>
<context>
    <name>BWMainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>New Bill</source>
        <translation>Neue Rechnung</translation>
    </message>
    <message>
        <source>New Savings Goal</source>
        <translation>Neues Sparziel</translation>
    </message>
    <message>
        <source>Export Payments as CSV…</source>
        <translation>Zahlungen als CSV exportieren …</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Quit Orvane</source>
        <translation>Orvane beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>&amp;Bill</source>
        <translation>&amp;Rechnung</translation>
    </message>
    <message>
        <source>Log Payment…</source>
        <translation>Zahlung buchen …</translation>
    </message>
    <message>
        <source>Log Partial Payment…</source>
        <translation>Teilzahlung buchen …</translation>
    </message>
    <message>
        <source>Quick Log</source>
        <translation>Schnell buchen</translation>
    </message>
    <message>
        <source>Skip Payment…</source>
        <translation>Zahlung überspringen …</translation>
    </message>
    <message>
        <source>Pay Now</source>
        <translation>Jetzt bezahlen</translation>
    </message>
    <message>
        <source>View Website</source>
        <translation>Website anzeigen</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Bearbeiten …</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archivieren</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Löschen …</translation>
    </message>
    <message>
        <source>Previous Bill</source>
        <translation>Vorherige Rechnung</translation>
    </message>
    <message>
        <source>Next Bill</source>
        <translation>Nächste Rechnung</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Show Overview</source>
        <translation>Übersicht anzeigen</translation>
    </message>
    <message>
        <source>All Active Items</source>
        <translation>Alle aktiven Einträge</translation>
    </message>
    <message>
        <source>Archived Bills</source>
        <translation>Archivierte Rechnungen</translation>
    </message>
    <message>
        <source>Due Soon</source>
        <translation>Bald fällig</translation>
    </message>
    <message>
        <source>Due This Month</source>
        <translation>Diesen Monat fällig</translation>
    </message>
    <message>
        <source>Paid This Month</source>
        <translation>Diesen Monat bezahlt</translation>
    </message>
    <message>
        <source>Show Paydays on Overview</source>
        <translation>Zahltage in der Übersicht anzeigen</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Prognose</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Orvane Manual</source>
        <translation>Orvane-Handbuch</translation>
    </message>
    <message>
        <source>About Orvane</source>
        <translation>Über Orvane</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Orvane keeps your recurring bills and income in order.</source>
        <translation>Orvane behält Ihre regelmäßigen Rechnungen und Einnahmen im Blick.</translation>
    </message>
    <message>
        <source>&amp;Quick Start Guide</source>
        <translation>&amp;Schnellstart</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New in Orvane</source>
        <translation>&amp;Neu in Orvane</translation>
    </message>
    <message>
        <source>Forecast &amp;Help</source>
        <translation>&amp;Hilfe zur Prognose</translation>
    </message>
    <message>
        <source>Orvane &amp;Support</source>
        <translation>Orvane-Su&amp;pport</translation>
    </message>
    <message>
        <source>&amp;Write to Support…</source>
        <translation>&amp;An den Support schreiben …</translation>
    </message>
    <message>
        <source>Sign &amp;Up for News</source>
        <translation>Newsletter a&amp;bonnieren</translation>
    </message>
    <message>
        <source>&amp;About Orvane</source>
        <translation>&amp;Über Orvane</translation>
    </message>
</context>
<context>
    <name>BWMainWindow</name>
    <message>
        <source>Orvane Keeps Running</source>
        <translation>Orvane läuft weiter</translation>
    </message>
    <message>
        <source>With no tray icon to open it again from, Orvane&apos;s window is minimised to the taskbar instead of closed, and reminders keep coming. Choose Quit to end Orvane.</source>
        <translation>Da es kein Symbol im Systembereich gibt, über das es sich wieder öffnen ließe, wird das Fenster von Orvane in die Taskleiste minimiert statt geschlossen, und die Erinnerungen kommen weiter. Wählen Sie „Beenden“, um Orvane zu beenden.</translation>
    </message>
</context>
<context>
    <name>BWMenulet</name>
    <message>
        <source>Orvane</source>
        <translation>Orvane</translation>
    </message>
    <message>
        <source>Show Orvane</source>
        <translation>Orvane anzeigen</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Quit Orvane</source>
        <translation>Orvane beenden</translation>
    </message>
    <message>
        <source>Orvane: %1 due, some overdue</source>
        <translation>Orvane: %1 fällig, einige überfällig</translation>
    </message>
    <message>
        <source>Orvane: %1 due</source>
        <translation>Orvane: %1 fällig</translation>
    </message>
</context>
<context>
    <name>BWObjectController</name>
    <message>
        <source>The Database Is In Use</source>
        <translation>Die Datenbank wird verwendet</translation>
    </message>
    <message>
        <source>Another copy of Orvane is using the database %1. Quit it first; your data stays where it was.</source>
        <translation>Eine andere Kopie von Orvane verwendet die Datenbank %1. Beenden Sie sie zuerst; Ihre Daten bleiben, wo sie sind.</translation>
    </message>
    <message>
        <source>Select Location to Save Database</source>
        <translation>Speicherort für die Datenbank wählen</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>The folder could not be used</source>
        <translation>Der Ordner konnte nicht verwendet werden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder Orvane can reach.</source>
        <translation>„%1“ ist kein Ordner, den Orvane erreichen kann.</translation>
    </message>
    <message>
        <source>The Database Was Not Moved</source>
        <translation>Die Datenbank wurde nicht verschoben</translation>
    </message>
    <message>
        <source>Your data stays where it was. The chosen folder may already hold Orvane data, lie inside the data folder, or not be writable.</source>
        <translation>Ihre Daten bleiben, wo sie sind. Der gewählte Ordner enthält vielleicht schon Orvane-Daten, liegt im Datenordner oder ist nicht beschreibbar.</translation>
    </message>
    <message>
        <source>Database Moved</source>
        <translation>Datenbank verschoben</translation>
    </message>
    <message>
        <source>Your data has been moved to the new location.</source>
        <translation>Ihre Daten wurden an den neuen Ort verschoben.</translation>
    </message>
    <message>
        <source>Select Folder Containing Database</source>
        <translation>Ordner mit der Datenbank wählen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>The Database Was Not Opened</source>
        <translation>Die Datenbank wurde nicht geöffnet</translation>
    </message>
    <message>
        <source>Orvane could not store its settings.</source>
        <translation>Orvane konnte seine Einstellungen nicht speichern.</translation>
    </message>
    <message>
        <source>Database Opened</source>
        <translation>Datenbank geöffnet</translation>
    </message>
    <message>
        <source>Your data has been sucessfully loaded.</source>
        <translation>Ihre Daten wurden erfolgreich geladen.</translation>
    </message>
    <message>
        <source>The Usual Place Holds Other Bills</source>
        <translation>Am üblichen Ort liegen andere Rechnungen</translation>
    </message>
    <message>
        <source>The usual place already holds Orvane data that is not the data you use now. Orvane can keep that data aside in a folder beside it, where &quot;Open Database Elsewhere…&quot; finds it again, and move your data back.</source>
        <translation>Am üblichen Ort liegen bereits Orvane-Daten, die nicht die Daten sind, die Sie jetzt verwenden. Orvane kann diese Daten in einem Ordner daneben aufbewahren, wo „Datenbank an anderem Ort öffnen …“ sie wiederfindet, und Ihre Daten zurückverschieben.</translation>
    </message>
    <message>
        <source>Keep It Aside and Move Back</source>
        <translation>Beiseitelegen und zurückverschieben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The Database Was Not Moved Back</source>
        <translation>Die Datenbank wurde nicht zurückverschoben</translation>
    </message>
    <message>
        <source>Your data stays where it was. One of the two folders may not be writable.</source>
        <translation>Ihre Daten bleiben, wo sie sind. Einer der beiden Ordner ist vielleicht nicht beschreibbar.</translation>
    </message>
    <message>
        <source>Your data has been moved back to the default location.</source>
        <translation>Ihre Daten wurden an den Standardort zurückverschoben.</translation>
    </message>
    <message>
        <source>Database Reset</source>
        <translation>Datenbank zurückgesetzt</translation>
    </message>
    <message>
        <source>The data that was there is kept in %1.</source>
        <translation>Die Daten, die dort lagen, werden in %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>Select Dropbox Folder</source>
        <translation>Dropbox-Ordner auswählen</translation>
    </message>
    <message>
        <source>Turning on Sync will move your data to your Dropbox. You must select your Dropbox folder to continue.</source>
        <translation>Beim Einschalten der Synchronisation werden Ihre Daten in Ihre Dropbox verschoben. Wählen Sie Ihren Dropbox-Ordner, um fortzufahren.</translation>
    </message>
    <message>
        <source>Select Dropbox…</source>
        <translation>Dropbox auswählen …</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Wrong Folder Selected</source>
        <translation>Falscher Ordner ausgewählt</translation>
    </message>
    <message>
        <source>This doesn&apos;t appear to be your Dropbox folder. Make sure Dropbox is installed, and select the folder named Dropbox.</source>
        <translation>Dies scheint nicht Ihr Dropbox-Ordner zu sein. Stellen Sie sicher, dass Dropbox installiert ist, und wählen Sie den Ordner namens Dropbox.</translation>
    </message>
    <message>
        <source>Your data will be replaced by the backup Orvane made on %1. Everything entered since then is lost, and this cannot be undone.</source>
        <translation>Ihre Daten werden durch die Sicherung ersetzt, die Orvane am %1 angelegt hat. Alles, was Sie seitdem eingegeben haben, geht verloren; dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Orvane has no record of a backup yet. Your current data stays as it is unless one is found.</source>
        <translation>Orvane kennt noch keine Sicherung. Ihre aktuellen Daten bleiben, wie sie sind, sofern keine gefunden wird.</translation>
    </message>
    <message>
        <source>Restore the Backup of %1?</source>
        <translation>Die Sicherung vom %1 wiederherstellen?</translation>
    </message>
    <message>
        <source>Restore Database</source>
        <translation>Datenbank wiederherstellen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Backup Restored</source>
        <translation>Sicherung wiederhergestellt</translation>
    </message>
    <message>
        <source>Your data is back as it was on %1.</source>
        <translation>Ihre Daten sind wieder auf dem Stand vom %1.</translation>
    </message>
    <message>
        <source>The Database Was Not Restored</source>
        <translation>Die Datenbank wurde nicht wiederhergestellt</translation>
    </message>
    <message>
        <source>There is no usable backup, or it could not be copied. Your data is as it was.</source>
        <translation>Es gibt keine verwendbare Sicherung, oder sie konnte nicht kopiert werden. Ihre Daten sind unverändert.</translation>
    </message>
    <message>
        <source>The Tag List Was Not Rebuilt</source>
        <translation>Die Schlagwortliste wurde nicht neu erstellt</translation>
    </message>
    <message>
        <source>The tag list could not be written.</source>
        <translation>Die Schlagwortliste konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The Database Folder Could Not Be Shown</source>
        <translation>Der Datenbankordner konnte nicht angezeigt werden</translation>
    </message>
    <message>
        <source>Quick Start Guide</source>
        <translation>Schnellstart</translation>
    </message>
    <message>
        <source>Migration Guide</source>
        <translation>Umstiegsanleitung</translation>
    </message>
</context>
<context>
    <name>BWOrvaneCloudLoginController</name>
    <message>
        <source>Orvane Cloud</source>
        <translation>Orvane Cloud</translation>
    </message>
    <message>
        <source>Sign in to keep your bills in step on all your computers.</source>
        <translation>Melden Sie sich an, um Ihre Rechnungen auf allen Ihren Computern abzugleichen.</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>name@beispiel.de</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>Passwort vergessen?</translation>
    </message>
    <message>
        <source>I Already Have an Account</source>
        <translation>Ich habe bereits ein Konto</translation>
    </message>
    <message>
        <source>Use Another Address</source>
        <translation>Andere Adresse verwenden</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>Konto erstellen</translation>
    </message>
    <message>
        <source>About Orvane Cloud</source>
        <translation>Über Orvane Cloud</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Signed in as</source>
        <translation>Angemeldet als</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Trouble Syncing?</source>
        <translation>Probleme beim Abgleich?</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>No Email Address</source>
        <translation>Keine E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Enter the email address of your Orvane Cloud account.</source>
        <translation>Geben Sie die E-Mail-Adresse Ihres Orvane-Cloud-Kontos ein.</translation>
    </message>
    <message>
        <source>Looking up your account…</source>
        <translation>Ihr Konto wird gesucht …</translation>
    </message>
    <message>
        <source>Account Not Found</source>
        <translation>Konto nicht gefunden</translation>
    </message>
    <message>
        <source>We can&apos;t find an account with this email address.</source>
        <translation>Wir finden kein Konto mit dieser E-Mail-Adresse.</translation>
    </message>
    <message>
        <source>Signing In…</source>
        <translation>Anmeldung …</translation>
    </message>
    <message>
        <source>Sign In Failed</source>
        <translation>Anmeldung fehlgeschlagen</translation>
    </message>
    <message>
        <source>The password is wrong, or this address has no account yet: try again, create the account, or have a reset link mailed.</source>
        <translation>Das Passwort ist falsch, oder zu dieser Adresse gibt es noch kein Konto: Versuchen Sie es erneut, erstellen Sie das Konto oder lassen Sie sich einen Link zum Zurücksetzen senden.</translation>
    </message>
    <message>
        <source>The password is wrong, or this address has no account: try again, or have a reset link mailed.</source>
        <translation>Das Passwort ist falsch, oder zu dieser Adresse gibt es kein Konto: Versuchen Sie es erneut oder lassen Sie sich einen Link zum Zurücksetzen senden.</translation>
    </message>
    <message>
        <source>Invalid Email Address</source>
        <translation>Ungültige E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Enter an email address such as name@example.com.</source>
        <translation>Geben Sie eine E-Mail-Adresse wie name@beispiel.de ein.</translation>
    </message>
    <message>
        <source>Password Too Short</source>
        <translation>Passwort zu kurz</translation>
    </message>
    <message numerus="yes">
        <source>Choose a password of at least %n characters.</source>
        <translation>
            <numerusform>Wählen Sie ein Passwort mit mindestens %n Zeichen.</numerusform>
            <numerusform>Wählen Sie ein Passwort mit mindestens %n Zeichen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Creating your account…</source>
        <translation>Ihr Konto wird erstellt …</translation>
    </message>
    <message>
        <source>Error Creating Account</source>
        <translation>Fehler beim Erstellen des Kontos</translation>
    </message>
    <message>
        <source>Something went wrong. Please try again. If this error persists, contact customer support.</source>
        <translation>Etwas ist schiefgegangen. Bitte versuchen Sie es erneut. Wenn der Fehler bleibt, wenden Sie sich an den Kundensupport.</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>Wird gesendet …</translation>
    </message>
    <message>
        <source>Password Reset Failed</source>
        <translation>Zurücksetzen des Passworts fehlgeschlagen</translation>
    </message>
    <message>
        <source>Message Sent</source>
        <translation>Nachricht gesendet</translation>
    </message>
    <message>
        <source>If you have an account with this email address, a link to reset your password has been sent.</source>
        <translation>Falls Sie ein Konto mit dieser E-Mail-Adresse haben, wurde ein Link zum Zurücksetzen Ihres Passworts gesendet.</translation>
    </message>
    <message>
        <source>Really Sign Out?</source>
        <translation>Wirklich abmelden?</translation>
    </message>
    <message>
        <source>Signing out will stop your bills from syncing.</source>
        <translation>Nach dem Abmelden werden Ihre Rechnungen nicht mehr abgeglichen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>BWOverviewBottomBar</name>
    <message>
        <source>Log Payment</source>
        <translation>Zahlung buchen</translation>
    </message>
    <message>
        <source>Log Partial</source>
        <translation>Teilzahlung</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Pay Now</source>
        <translation>Jetzt bezahlen</translation>
    </message>
    <message>
        <source>Orvane for phones cannot sync with this computer yet.</source>
        <translation>Orvane für Telefone kann sich noch nicht mit diesem Computer abgleichen.</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>Mehr erfahren</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>No bills yet: click “+ New Bill” above (or press Ctrl+N) to add your first bill.</source>
        <translation>Noch keine Rechnungen: Klicken Sie oben auf „+ Neue Rechnung“ (oder drücken Sie Strg+N), um Ihre erste Rechnung anzulegen.</translation>
    </message>
    <message>
        <source>Select a bill to view available actions.</source>
        <translation>Wählen Sie eine Rechnung, um die verfügbaren Aktionen zu sehen.</translation>
    </message>
    <message>
        <source>items selected. Estimated balance:</source>
        <translation>Einträge ausgewählt. Geschätzter Saldo:</translation>
    </message>
    <message>
        <source>bills selected. Estimated amount due:</source>
        <translation>Rechnungen ausgewählt. Geschätzter fälliger Betrag:</translation>
    </message>
</context>
<context>
    <name>BWOverviewController</name>
    <message>
        <source>Skip Payment</source>
        <translation>Zahlung überspringen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archivieren</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Bearbeiten …</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Löschen …</translation>
    </message>
    <message>
        <source>Export as CSV…</source>
        <translation>Als CSV exportieren …</translation>
    </message>
    <message>
        <source>All Active Items</source>
        <translation>Alle aktiven Einträge</translation>
    </message>
    <message>
        <source>Archived Bills</source>
        <translation>Archivierte Rechnungen</translation>
    </message>
    <message>
        <source>Due Soon</source>
        <translation>Bald fällig</translation>
    </message>
    <message>
        <source>Due This Month</source>
        <translation>Diesen Monat fällig</translation>
    </message>
    <message>
        <source>Paid This Month</source>
        <translation>Diesen Monat bezahlt</translation>
    </message>
    <message>
        <source>Bills</source>
        <translation>Rechnungen</translation>
    </message>
</context>
<context>
    <name>BWOverviewHeader</name>
    <message>
        <source>+ New Bill</source>
        <translation>+ Neue Rechnung</translation>
    </message>
    <message>
        <source>Add a bill</source>
        <translation>Rechnung hinzufügen</translation>
    </message>
    <message>
        <source>+ Income</source>
        <translation>+ Einnahme</translation>
    </message>
    <message>
        <source>Add an income item</source>
        <translation>Einnahme hinzufügen</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Alle anzeigen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Vacation mode</source>
        <translation>Urlaubsmodus</translation>
    </message>
    <message>
        <source>Vacation mode is on</source>
        <translation>Urlaubsmodus ist an</translation>
    </message>
    <message>
        <source>Vacation mode is off</source>
        <translation>Urlaubsmodus ist aus</translation>
    </message>
    <message>
        <source>New Bill</source>
        <translation>Neue Rechnung</translation>
    </message>
    <message>
        <source>New Income</source>
        <translation>Neue Einnahme</translation>
    </message>
    <message>
        <source>Bills Shown</source>
        <translation>Angezeigte Rechnungen</translation>
    </message>
    <message>
        <source>Search Bills</source>
        <translation>Rechnungen durchsuchen</translation>
    </message>
    <message>
        <source>Vacation</source>
        <translation>Urlaub</translation>
    </message>
</context>
<context>
    <name>BWOverviewSidebar</name>
    <message>
        <source>DUE SOON</source>
        <translation>BALD FÄLLIG</translation>
    </message>
    <message>
        <source>DUE THIS MONTH</source>
        <translation>DIESEN MONAT FÄLLIG</translation>
    </message>
    <message>
        <source>PAID THIS MONTH</source>
        <translation>DIESEN MONAT BEZAHLT</translation>
    </message>
    <message>
        <source>INCOME THIS MONTH</source>
        <translation>MONATSEINNAHMEN</translation>
    </message>
    <message>
        <source>STILL DUE THIS MONTH</source>
        <translation>NOCH OFFEN</translation>
    </message>
    <message>
        <source>Switch between the expected and the current balance</source>
        <translation>Zwischen erwartetem und aktuellem Saldo wechseln</translation>
    </message>
    <message>
        <source>Income Sources…</source>
        <translation>Einkommensquellen …</translation>
    </message>
    <message>
        <source>TAGS</source>
        <translation>SCHLAGWÖRTER</translation>
    </message>
    <message>
        <source>Tags, separated by commas</source>
        <translation>Schlagwörter, durch Kommas getrennt</translation>
    </message>
    <message>
        <source>Tip: double-click a bill to open its page, or right-click it for more commands.</source>
        <translation>Tipp: Doppelklicken Sie auf eine Rechnung, um ihre Seite zu öffnen, oder klicken Sie mit der rechten Maustaste für weitere Befehle.</translation>
    </message>
    <message>
        <source>Hide Tip</source>
        <translation>Tipp ausblenden</translation>
    </message>
    <message>
        <source>THIS MONTH: %1</source>
        <translation>DIESER MONAT: %1</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Schlagwörter</translation>
    </message>
    <message>
        <source>EXPECTED BALANCE</source>
        <translation>ERWARTETER SALDO</translation>
    </message>
    <message>
        <source>CURRENT BALANCE</source>
        <translation>AKTUELLER SALDO</translation>
    </message>
</context>
<context>
    <name>BWOverviewTableModel</name>
    <message>
        <source>Repeats: %1</source>
        <translation>Wiederholung: %1</translation>
    </message>
    <message>
        <source>Paid: %1</source>
        <translation>Zahlart: %1</translation>
    </message>
    <message>
        <source>No Due Date</source>
        <translation>Kein Fälligkeitsdatum</translation>
    </message>
    <message>
        <source>(adjusted for vacation)</source>
        <translation>(wegen Urlaub verschoben)</translation>
    </message>
    <message>
        <source>(adjusted for holiday)</source>
        <translation>(wegen Feiertag verschoben)</translation>
    </message>
    <message>
        <source>(adjusted for weekend)</source>
        <translation>(wegen Wochenende verschoben)</translation>
    </message>
    <message>
        <source>Archived</source>
        <translation>Archiviert</translation>
    </message>
    <message>
        <source>Not Set</source>
        <translation>Nicht festgelegt</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>No Payments</source>
        <translation>Keine Zahlungen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Nächste Fälligkeit</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Last Paid</source>
        <translation>Zuletzt bezahlt</translation>
    </message>
</context>
<context>
    <name>BWPasswordController</name>
    <message>
        <source>Re-enter Password:</source>
        <translation>Passwort wiederholen:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Save Password</source>
        <translation>Passwort speichern</translation>
    </message>
    <message>
        <source>Disable Password</source>
        <translation>Passwort deaktivieren</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Passwords Don&apos;t Match</source>
        <translation>Passwörter stimmen nicht überein</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match. Please try again.</source>
        <translation>Die Passwörter stimmen nicht überein. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Password Not Saved</source>
        <translation>Passwort nicht gespeichert</translation>
    </message>
    <message>
        <source>The password could not be stored in the keyring. Make sure the keyring is running and unlocked, then try again.</source>
        <translation>Das Passwort konnte nicht im Schlüsselbund gespeichert werden. Stellen Sie sicher, dass der Schlüsselbund läuft und entsperrt ist, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The password protection could not be turned on, as the settings could not be saved. Please try again.</source>
        <translation>Der Passwortschutz konnte nicht eingeschaltet werden, da die Einstellungen nicht gespeichert werden konnten. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Password Not Removed</source>
        <translation>Passwort nicht entfernt</translation>
    </message>
    <message>
        <source>The password could not be removed from the keyring. Make sure the keyring is running and unlocked, then try again.</source>
        <translation>Das Passwort konnte nicht aus dem Schlüsselbund entfernt werden. Stellen Sie sicher, dass der Schlüsselbund läuft und entsperrt ist, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Password Unavailable</source>
        <translation>Passwort nicht verfügbar</translation>
    </message>
    <message>
        <source>The password could not be read from the keyring. Make sure the keyring is running and unlocked, then try again.</source>
        <translation>Das Passwort konnte nicht aus dem Schlüsselbund gelesen werden. Stellen Sie sicher, dass der Schlüsselbund läuft und entsperrt ist, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Incorrect Password</source>
        <translation>Falsches Passwort</translation>
    </message>
    <message>
        <source>Incorrect password. Please try again.</source>
        <translation>Falsches Passwort. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Password Not Found</source>
        <translation>Passwort nicht gefunden</translation>
    </message>
    <message>
        <source>The password that protected Orvane was not found in the keyring, so password protection is now off. You can set a new password in the Preferences.</source>
        <translation>Das Passwort, das Orvane schützte, wurde im Schlüsselbund nicht gefunden; der Passwortschutz ist daher jetzt aus. Sie können in den Einstellungen ein neues Passwort festlegen.</translation>
    </message>
    <message>
        <source>Keyring Locked</source>
        <translation>Schlüsselbund gesperrt</translation>
    </message>
    <message>
        <source>The keyring that holds the password stays locked, so the password could not be checked. Unlock the keyring when it asks, then try again, or quit.</source>
        <translation>Der Schlüsselbund mit dem Passwort bleibt gesperrt, daher konnte das Passwort nicht geprüft werden. Entsperren Sie den Schlüsselbund, wenn er danach fragt, und versuchen Sie es erneut, oder beenden Sie Orvane.</translation>
    </message>
</context>
<context>
    <name>BWPasswordLock</name>
    <message>
        <source>Disable Password Protection</source>
        <translation>Passwortschutz ausschalten</translation>
    </message>
    <message>
        <source>Enable Password Protection</source>
        <translation>Passwortschutz einschalten</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Eingeschaltet</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Ausgeschaltet</translation>
    </message>
</context>
<context>
    <name>BWPaymentLogger</name>
    <message>
        <source>Attach Receipt</source>
        <translation>Beleg anhängen</translation>
    </message>
    <message>
        <source>Attach</source>
        <translation>Anhängen</translation>
    </message>
</context>
<context>
    <name>BWPhoneSync</name>
    <message>
        <source>Turn Off Sync</source>
        <translation>Synchronisation ausschalten</translation>
    </message>
    <message>
        <source>Orvane for phones exchanges no bills with this computer yet.</source>
        <translation>Orvane für Telefone tauscht noch keine Rechnungen mit diesem Computer aus.</translation>
    </message>
    <message>
        <source>Turn On Sync</source>
        <translation>Synchronisation einschalten</translation>
    </message>
</context>
<context>
    <name>BWPreferencePanes</name>
    <message>
        <source>%1 (the file is made with the first calendar reminder)</source>
        <translation>%1 (die Datei entsteht mit der ersten Kalendererinnerung)</translation>
    </message>
    <message>
        <source>Start Orvane when I log in</source>
        <translation>Orvane bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Show Orvane</source>
        <translation>Orvane anzeigen</translation>
    </message>
    <message>
        <source>Show Orvane in:</source>
        <translation>Orvane anzeigen in:</translation>
    </message>
    <message>
        <source>Taskbar and tray</source>
        <translation>Taskleiste und Systembereich</translation>
    </message>
    <message>
        <source>Tray only</source>
        <translation>Nur Systembereich</translation>
    </message>
    <message>
        <source>Taskbar only</source>
        <translation>Nur Taskleiste</translation>
    </message>
    <message>
        <source>Takes effect the next time Orvane starts.</source>
        <translation>Wirkt beim nächsten Start von Orvane.</translation>
    </message>
    <message>
        <source>Show the number of bills due soon in the tray</source>
        <translation>Anzahl der bald fälligen Rechnungen im Systembereich zeigen</translation>
    </message>
    <message>
        <source>Colour the tray icon by the most urgent bill</source>
        <translation>Symbol im Systembereich nach der dringendsten Rechnung färben</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Bills count as due soon within:</source>
        <translation>Rechnungen gelten als bald fällig innerhalb von:</translation>
    </message>
    <message>
        <source>Columns shown:</source>
        <translation>Angezeigte Spalten:</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Last Paid</source>
        <translation>Zuletzt bezahlt</translation>
    </message>
    <message>
        <source>Pay Sites</source>
        <translation>Zahlseiten</translation>
    </message>
    <message>
        <source>Open pay sites inside Orvane</source>
        <translation>Zahlseiten in Orvane öffnen</translation>
    </message>
    <message>
        <source>Password Protection</source>
        <translation>Passwortschutz</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Wählen …</translation>
    </message>
    <message>
        <source>Shared Sync Folder</source>
        <translation>Gemeinsamer Synchronisationsordner</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>The shared folder could not be stored.</source>
        <translation>Der gemeinsame Ordner konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Sync Between Computers</source>
        <translation>Abgleich zwischen Computern</translation>
    </message>
    <message>
        <source>Keep my bills in step on all my computers</source>
        <translation>Meine Rechnungen auf allen meinen Computern abgleichen</translation>
    </message>
    <message>
        <source>Shared folder:</source>
        <translation>Gemeinsamer Ordner:</translation>
    </message>
    <message>
        <source>A folder that Syncthing, Nextcloud or Dropbox keeps the same on each computer. Takes effect the next time Orvane starts.</source>
        <translation>Ein Ordner, den Syncthing, Nextcloud oder Dropbox auf jedem Computer gleich hält. Wirkt beim nächsten Start von Orvane.</translation>
    </message>
    <message>
        <source>Your bills are kept in:</source>
        <translation>Ihre Rechnungen liegen in:</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Datenbank</translation>
    </message>
    <message>
        <source>Move Database…</source>
        <translation>Datenbank verschieben …</translation>
    </message>
    <message>
        <source>Open Database Elsewhere…</source>
        <translation>Datenbank an anderem Ort öffnen …</translation>
    </message>
    <message>
        <source>Keep Database in Dropbox…</source>
        <translation>Datenbank in Dropbox führen …</translation>
    </message>
    <message>
        <source>Get a Dropbox Account…</source>
        <translation>Dropbox-Konto anlegen …</translation>
    </message>
    <message>
        <source>Move Back to the Usual Place</source>
        <translation>Zurück an den üblichen Ort</translation>
    </message>
    <message>
        <source>Restore Yesterday&apos;s Backup…</source>
        <translation>Sicherung von gestern wiederherstellen …</translation>
    </message>
    <message>
        <source>Turn On Sync</source>
        <translation>Synchronisation einschalten</translation>
    </message>
    <message>
        <source>Orvane for phones:</source>
        <translation>Orvane für Telefone:</translation>
    </message>
    <message>
        <source>Delete iCloud Data…</source>
        <translation>iCloud-Daten löschen …</translation>
    </message>
    <message>
        <source>Older sync:</source>
        <translation>Ältere Synchronisation:</translation>
    </message>
    <message>
        <source>Other Sync</source>
        <translation>Weitere Synchronisation</translation>
    </message>
    <message>
        <source> days before</source>
        <translation> Tage vorher</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Erinnerungen</translation>
    </message>
    <message>
        <source>Show reminders as desktop notifications</source>
        <translation>Erinnerungen als Desktop-Benachrichtigungen zeigen</translation>
    </message>
    <message>
        <source>Also add reminders to my calendar</source>
        <translation>Erinnerungen auch in meinen Kalender eintragen</translation>
    </message>
    <message>
        <source>Calendar:</source>
        <translation>Kalender:</translation>
    </message>
    <message>
        <source>Remind me at:</source>
        <translation>Erinnern um:</translation>
    </message>
    <message>
        <source>New Bills</source>
        <translation>Neue Rechnungen</translation>
    </message>
    <message>
        <source>Turn reminders on for new bills</source>
        <translation>Erinnerungen für neue Rechnungen einschalten</translation>
    </message>
    <message>
        <source>Remind me:</source>
        <translation>Erinnern:</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>name@beispiel.de</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>E-mail address for reminders:</source>
        <translation>E-Mail-Adresse für Erinnerungen:</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>To see these reminders in a calendar program, subscribe to this file there (in Thunderbird: New Calendar, On the Network, the file&apos;s location).</source>
        <translation>Um diese Erinnerungen in einem Kalenderprogramm zu sehen, abonnieren Sie dort diese Datei (in Thunderbird: Neuer Kalender, Im Netzwerk, Speicherort der Datei).</translation>
    </message>
    <message>
        <source>Calendar File</source>
        <translation>Kalenderdatei</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trompete</translation>
    </message>
    <message>
        <source>Rings</source>
        <translation>Klingeln</translation>
    </message>
    <message>
        <source>Swell</source>
        <translation>Anschwellen</translation>
    </message>
    <message>
        <source>Cheers</source>
        <translation>Jubel</translation>
    </message>
    <message>
        <source>A random cheer</source>
        <translation>Zufälliger Jubel</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Töne</translation>
    </message>
    <message>
        <source>Play a sound after a payment is logged</source>
        <translation>Nach dem Buchen einer Zahlung einen Ton abspielen</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Ton:</translation>
    </message>
    <message>
        <source>Payments</source>
        <translation>Zahlungen</translation>
    </message>
    <message>
        <source>Log automatic bills when they fall due</source>
        <translation>Automatische Rechnungen bei Fälligkeit buchen</translation>
    </message>
    <message>
        <source>Leave automatic bills out of the due-soon count</source>
        <translation>Automatische Rechnungen nicht zu den bald fälligen zählen</translation>
    </message>
    <message>
        <source>Archive one-time bills once they are paid</source>
        <translation>Einmalige Rechnungen nach der Zahlung archivieren</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <source>Keep track of income</source>
        <translation>Einnahmen erfassen</translation>
    </message>
    <message>
        <source>Show paydays on the overview</source>
        <translation>Zahltage in der Übersicht zeigen</translation>
    </message>
    <message>
        <source>Log income automatically when it is due</source>
        <translation>Einnahmen bei Fälligkeit automatisch buchen</translation>
    </message>
    <message>
        <source>Due Dates</source>
        <translation>Fälligkeitsdaten</translation>
    </message>
    <message>
        <source>Move due dates that fall on days off</source>
        <translation>Fälligkeiten an freien Tagen verschieben</translation>
    </message>
    <message>
        <source>Avoid weekends</source>
        <translation>Wochenenden meiden</translation>
    </message>
    <message>
        <source>Avoid holidays</source>
        <translation>Feiertage meiden</translation>
    </message>
    <message>
        <source>Overview and Forecast</source>
        <translation>Übersicht und Prognose</translation>
    </message>
    <message>
        <source>Under each bill&apos;s name:</source>
        <translation>Unter dem Namen jeder Rechnung:</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <source>Payment method</source>
        <translation>Zahlart</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Schlagwörter</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nichts</translation>
    </message>
    <message>
        <source>Button beside the actions menu:</source>
        <translation>Schaltfläche neben dem Aktionsmenü:</translation>
    </message>
    <message>
        <source>Hide bills paid automatically</source>
        <translation>Automatisch bezahlte Rechnungen ausblenden</translation>
    </message>
    <message>
        <source>Estimate amounts that vary</source>
        <translation>Schwankende Beträge schätzen</translation>
    </message>
    <message>
        <source>Include savings goals in the forecast</source>
        <translation>Sparziele in die Prognose einbeziehen</translation>
    </message>
    <message>
        <source>Suggest bill names while editing</source>
        <translation>Beim Bearbeiten Rechnungsnamen vorschlagen</translation>
    </message>
    <message>
        <source>Reload Overview</source>
        <translation>Übersicht neu laden</translation>
    </message>
    <message>
        <source>The bill&apos;s last action</source>
        <translation>Die letzte Aktion der Rechnung</translation>
    </message>
    <message>
        <source>Start at Login Not Changed</source>
        <translation>Start bei Anmeldung nicht geändert</translation>
    </message>
    <message>
        <source>The login entry could not be written. Please try again.</source>
        <translation>Der Anmeldeeintrag konnte nicht geschrieben werden. Bitte versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>BWQtWebPage</name>
    <message>
        <source>its process ended with code %1</source>
        <translation>sein Prozess endete mit Code %1</translation>
    </message>
    <message>
        <source>its process crashed</source>
        <translation>sein Prozess ist abgestürzt</translation>
    </message>
    <message>
        <source>its process was killed</source>
        <translation>sein Prozess wurde beendet</translation>
    </message>
</context>
<context>
    <name>BWRecordTable</name>
    <message>
        <source>Bills</source>
        <translation>Rechnungen</translation>
    </message>
</context>
<context>
    <name>BWReminderManager</name>
    <message>
        <source>Pay %1</source>
        <translation>%1 bezahlen</translation>
    </message>
    <message>
        <source>Bill is due on %1</source>
        <translation>Rechnung fällig am %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Anzeigen</translation>
    </message>
</context>
<context>
    <name>BWReportController</name>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Payments</source>
        <translation>Zahlungen</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Bills</source>
        <translation>Rechnungen</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>BWStartup</name>
    <message>
        <source>This Desktop Shows No Tray</source>
        <translation>Dieser Desktop hat keinen Systembereich</translation>
    </message>
    <message>
        <source>Orvane is set to show in the tray only, but this desktop has no tray. Its window stays open instead, and closing it minimises it to the taskbar.</source>
        <translation>Orvane soll nur im Systembereich erscheinen, aber dieser Desktop hat keinen. Sein Fenster bleibt daher offen, und beim Schließen wird es in die Taskleiste minimiert.</translation>
    </message>
    <message>
        <source>Really Quit Orvane?</source>
        <translation>Orvane wirklich beenden?</translation>
    </message>
    <message>
        <source>Do you want to quit Orvane (and close the menu bar), or just close the main window?</source>
        <translation>Möchten Sie Orvane beenden (und das Menü im Systembereich schließen) oder nur das Hauptfenster schließen?</translation>
    </message>
    <message>
        <source>Close the Main Window</source>
        <translation>Hauptfenster schließen</translation>
    </message>
    <message>
        <source>Quit Orvane Completely</source>
        <translation>Orvane ganz beenden</translation>
    </message>
    <message>
        <source>Reminders Could Not Be Saved</source>
        <translation>Erinnerungen konnten nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Orvane could not save its reminder notifications (%1). They show while Orvane runs, but may not show after it starts again.</source>
        <translation>Orvane konnte seine Erinnerungen nicht speichern (%1). Sie erscheinen, solange Orvane läuft, nach einem Neustart aber vielleicht nicht mehr.</translation>
    </message>
</context>
<context>
    <name>BWStatisticsCalculator</name>
    <message>
        <source>No Payments Yet</source>
        <translation>Noch keine Zahlungen</translation>
    </message>
</context>
<context>
    <name>BWSyncControls</name>
    <message>
        <source>Sync Now</source>
        <translation>Jetzt abgleichen</translation>
    </message>
    <message>
        <source>Bring your devices in step now</source>
        <translation>Ihre Geräte jetzt abgleichen</translation>
    </message>
</context>
<context>
    <name>BWSyncProgressController</name>
    <message>
        <source>Syncing</source>
        <translation>Abgleich läuft</translation>
    </message>
    <message>
        <source>Syncing with Orvane for phones…</source>
        <translation>Abgleich mit Orvane für Telefone …</translation>
    </message>
</context>
<context>
    <name>BWUpdateHelper</name>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Aktualisierungen suchen …</translation>
    </message>
</context>
<context>
    <name>BWVacationPopover</name>
    <message>
        <source>Vacation</source>
        <translation>Urlaub</translation>
    </message>
    <message>
        <source>Vacation mode</source>
        <translation>Urlaubsmodus</translation>
    </message>
    <message>
        <source>Due dates within your vacation move to the day before it starts.</source>
        <translation>Fälligkeiten in Ihrem Urlaub rücken auf den Tag vor Urlaubsbeginn.</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>Until:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>BWVersion7ImportWindow</name>
    <message>
        <source>Orvane 7 Import Options</source>
        <translation>Importoptionen für Orvane 7</translation>
    </message>
    <message>
        <source>Import the bills, archived bills and receipts that Orvane 7 kept in your home folder, or keep your bills in step on all your computers.</source>
        <translation>Importieren Sie die Rechnungen, archivierten Rechnungen und Belege, die Orvane 7 in Ihrem Benutzerordner abgelegt hat, oder gleichen Sie Ihre Rechnungen auf allen Ihren Computern ab.</translation>
    </message>
    <message>
        <source>Import from Home Folder…</source>
        <translation>Aus dem Benutzerordner importieren …</translation>
    </message>
    <message>
        <source>Keep my bills in step on all my computers</source>
        <translation>Meine Rechnungen auf allen meinen Computern abgleichen</translation>
    </message>
    <message>
        <source>Re-Import at Next Start…</source>
        <translation>Beim nächsten Start erneut importieren …</translation>
    </message>
</context>
<context>
    <name>BWWebEngine</name>
    <message>
        <source>Its helper program %1 is missing.</source>
        <translation>Sein Hilfsprogramm %1 fehlt.</translation>
    </message>
</context>
<context>
    <name>BWWebEngineLoader</name>
    <message>
        <source>Its module could not be loaded (%1).</source>
        <translation>Sein Modul konnte nicht geladen werden (%1).</translation>
    </message>
    <message>
        <source>Its module has no entry point (%1).</source>
        <translation>Sein Modul hat keinen Einstiegspunkt (%1).</translation>
    </message>
    <message>
        <source>Save “%1” in your Downloads folder?</source>
        <translation>„%1“ in Ihrem Download-Ordner speichern?</translation>
    </message>
    <message>
        <source>The pay site sent a file. It goes to %1.</source>
        <translation>Die Zahlseite hat eine Datei gesendet. Sie wird in %1 abgelegt.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Nicht speichern</translation>
    </message>
</context>
<context>
    <name>BWWebPane</name>
    <message>
        <source>Not opened: %1 is not a web page (only http and https addresses open here)</source>
        <translation>Nicht geöffnet: %1 ist keine Webseite (hier öffnen nur http- und https-Adressen)</translation>
    </message>
    <message>
        <source>Stopped: the certificate of %1 is not valid (%2)</source>
        <translation>Angehalten: Das Zertifikat von %1 ist nicht gültig (%2)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Im Browser öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>This copy of Orvane has no web engine.</source>
        <translation>Diese Kopie von Orvane hat keine Web-Engine.</translation>
    </message>
    <message>
        <source>The built-in browser could not start. %1
Pay sites open in your web browser instead.</source>
        <translation>Der eingebaute Browser konnte nicht starten. %1
Zahlseiten öffnen sich stattdessen in Ihrem Webbrowser.</translation>
    </message>
    <message>
        <source>The page stopped: %1</source>
        <translation>Die Seite wurde angehalten: %1</translation>
    </message>
</context>
<context>
    <name>BWWelcomeFlow</name>
    <message>
        <source>Last Backed Up: </source>
        <translation>Zuletzt gesichert: </translation>
    </message>
    <message>
        <source>Nothing to Import</source>
        <translation>Nichts zu importieren</translation>
    </message>
    <message>
        <source>No Orvane 7 bills were found.</source>
        <translation>Es wurden keine Rechnungen von Orvane 7 gefunden.</translation>
    </message>
    <message>
        <source>Select Home Folder</source>
        <translation>Benutzerordner auswählen</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>No Orvane 7 Data Found</source>
        <translation>Keine Daten von Orvane 7 gefunden</translation>
    </message>
    <message>
        <source>This home folder holds no Orvane 7 data folder.</source>
        <translation>Dieser Benutzerordner enthält keinen Datenordner von Orvane 7.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Datenbank</translation>
    </message>
    <message>
        <source>Restore Backup…</source>
        <translation>Sicherung wiederherstellen …</translation>
    </message>
    <message>
        <source>Show Database Folder</source>
        <translation>Datenbankordner anzeigen</translation>
    </message>
    <message>
        <source>Move Database…</source>
        <translation>Datenbank verschieben …</translation>
    </message>
    <message>
        <source>Open Database Elsewhere…</source>
        <translation>Datenbank an anderem Ort öffnen …</translation>
    </message>
    <message>
        <source>Keep Database in Dropbox…</source>
        <translation>Datenbank in Dropbox führen …</translation>
    </message>
    <message>
        <source>Move Database Back to Its Usual Place</source>
        <translation>Datenbank an ihren üblichen Ort zurückverschieben</translation>
    </message>
    <message>
        <source>Compact Database</source>
        <translation>Datenbank komprimieren</translation>
    </message>
    <message>
        <source>Rebuild Tag List</source>
        <translation>Schlagwortliste neu erstellen</translation>
    </message>
    <message>
        <source>Orvane 4 Data…</source>
        <translation>Daten von Orvane 4 …</translation>
    </message>
    <message>
        <source>Orvane 4 Data from a Folder…</source>
        <translation>Daten von Orvane 4 aus einem Ordner …</translation>
    </message>
    <message>
        <source>Orvane 7 Import Options…</source>
        <translation>Importoptionen für Orvane 7 …</translation>
    </message>
    <message>
        <source>Guides and Help Pages</source>
        <translation>Anleitungen und Hilfeseiten</translation>
    </message>
    <message>
        <source>Orvane Manual</source>
        <translation>Orvane-Handbuch</translation>
    </message>
    <message>
        <source>User Manual</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>Neuigkeiten</translation>
    </message>
    <message>
        <source>Forecast Help</source>
        <translation>Hilfe zur Prognose</translation>
    </message>
    <message>
        <source>Sync Help</source>
        <translation>Hilfe zum Abgleich</translation>
    </message>
    <message>
        <source>E-mail Reminders</source>
        <translation>E-Mail-Erinnerungen</translation>
    </message>
    <message>
        <source>Orvane for Phones</source>
        <translation>Orvane für Telefone</translation>
    </message>
    <message>
        <source>Report a Bug</source>
        <translation>Fehler melden</translation>
    </message>
    <message>
        <source>Support Site</source>
        <translation>Support-Website</translation>
    </message>
    <message>
        <source>Quick Start Guide</source>
        <translation>Schnellstart</translation>
    </message>
    <message>
        <source>Migration Guide</source>
        <translation>Umstiegsanleitung</translation>
    </message>
</context>
<context>
    <name>BWWelcomeSheet</name>
    <message>
        <source>Welcome to Orvane</source>
        <translation>Willkommen bei Orvane</translation>
    </message>
    <message>
        <source>Orvane keeps your recurring bills and income in order: when each falls due, what you paid, and what is coming up. It reminds you before a bill is due and backs up your data every day.</source>
        <translation>Orvane behält Ihre regelmäßigen Rechnungen und Einnahmen im Blick: wann jede fällig ist, was Sie bezahlt haben und was ansteht. Es erinnert Sie vor der Fälligkeit einer Rechnung und sichert Ihre Daten jeden Tag.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Orvane for phones is on its way. Sign up to hear when you can keep your bills with you.</source>
        <translation>Orvane für Telefone ist unterwegs. Melden Sie sich an, um zu erfahren, wann Sie Ihre Rechnungen immer dabeihaben können.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message>
        <source>Sign Up and Continue</source>
        <translation>Anmelden und fortfahren</translation>
    </message>
    <message>
        <source>Used Orvane 7 before? Orvane can take over its bills, with their payments and reminders.</source>
        <translation>Haben Sie bisher Orvane 7 verwendet? Orvane kann dessen Rechnungen mit ihren Zahlungen und Erinnerungen übernehmen.</translation>
    </message>
    <message>
        <source>Import Orvane 7 Bills</source>
        <translation>Rechnungen von Orvane 7 importieren</translation>
    </message>
    <message>
        <source>More Import Options…</source>
        <translation>Weitere Importoptionen …</translation>
    </message>
    <message>
        <source>Start Using Orvane</source>
        <translation>Orvane verwenden</translation>
    </message>
</context>
<context>
    <name>BWWindowController</name>
    <message>
        <source>Show Overview</source>
        <translation>Übersicht anzeigen</translation>
    </message>
    <message>
        <source>Pay Bill</source>
        <translation>Rechnung bezahlen</translation>
    </message>
    <message>
        <source>Log Payment</source>
        <translation>Zahlung buchen</translation>
    </message>
    <message>
        <source>Quick Log</source>
        <translation>Schnell buchen</translation>
    </message>
    <message>
        <source>Skip Payment</source>
        <translation>Zahlung überspringen</translation>
    </message>
    <message>
        <source>Orvane</source>
        <translation>Orvane</translation>
    </message>
</context>
<context>
    <name>LRCalendarView</name>
    <message>
        <source>Previous Month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Current Month</source>
        <translation>Aktueller Monat</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
</context>
<context>
    <name>MGPreferencePanel</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Abgleich</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Erinnerungen</translation>
    </message>
    <message>
        <source>Logging</source>
        <translation>Buchen</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Choose a Receipt</source>
        <translation>Beleg wählen</translation>
    </message>
    <message>
        <source>Every Week</source>
        <translation>Jede Woche</translation>
    </message>
    <message>
        <source>Twice a Month</source>
        <translation>Zweimal im Monat</translation>
    </message>
    <message>
        <source>Every Month</source>
        <translation>Jeden Monat</translation>
    </message>
    <message>
        <source>Every 3 Months</source>
        <translation>Alle 3 Monate</translation>
    </message>
    <message>
        <source>Every 6 Months</source>
        <translation>Alle 6 Monate</translation>
    </message>
    <message>
        <source>Every Year</source>
        <translation>Jedes Jahr</translation>
    </message>
    <message>
        <source>Custom…</source>
        <translation>Benutzerdefiniert …</translation>
    </message>
    <message>
        <source>Never (One Time)</source>
        <translation>Nie (einmalig)</translation>
    </message>
    <message>
        <source>Every 2 Months</source>
        <translation>Alle 2 Monate</translation>
    </message>
    <message>
        <source>Every 2 Weeks</source>
        <translation>Alle 2 Wochen</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Mail</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>Wochen</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>Quarterly tax dates</source>
        <translation>Quarterly tax dates</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Orvane Cloud</source>
        <translation>Orvane Cloud</translation>
    </message>
    <message>
        <source>No Web Browser Could Be Started</source>
        <translation>Es konnte kein Webbrowser gestartet werden</translation>
    </message>
    <message>
        <source>Orvane could not open %1. Check that the desktop has a default web browser.</source>
        <translation>Orvane konnte %1 nicht öffnen. Prüfen Sie, ob der Desktop einen Standard-Webbrowser hat.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Orvane cannot find its data folder.</source>
        <translation>Orvane findet seinen Datenordner nicht.</translation>
    </message>
    <message>
        <source>The folder %1 chosen for Orvane&apos;s database cannot be found. Until it is back, or another place is chosen, Orvane shows no bills and saves no changes.</source>
        <translation>Der für die Datenbank von Orvane gewählte Ordner %1 ist nicht auffindbar. Bis er wieder da ist oder ein anderer Ort gewählt wird, zeigt Orvane keine Rechnungen und speichert keine Änderungen.</translation>
    </message>
    <message>
        <source>Orvane is already running.</source>
        <translation>Orvane läuft bereits.</translation>
    </message>
    <message>
        <source>Another copy of Orvane is using the database %1. Quit it before starting Orvane again.</source>
        <translation>Eine andere Kopie von Orvane verwendet die Datenbank %1. Beenden Sie sie, bevor Sie Orvane erneut starten.</translation>
    </message>
    <message>
        <source>Orvane cannot read its data folder.</source>
        <translation>Orvane kann seinen Datenordner nicht lesen.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read. Check its permissions; until then Orvane shows no bills and saves no changes.</source>
        <translation>Der Ordner %1 kann nicht gelesen werden. Prüfen Sie seine Berechtigungen; bis dahin zeigt Orvane keine Rechnungen und speichert keine Änderungen.</translation>
    </message>
    <message>
        <source>A Setting Could Not Be Read</source>
        <translation>Eine Einstellung konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>Orvane could not read the setting %1 in %2; it uses the default.</source>
        <translation>Orvane konnte die Einstellung %1 in %2 nicht lesen und verwendet den Standardwert.</translation>
    </message>
</context>
</TS>
