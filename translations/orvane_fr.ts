<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BWAccessibleCalendar</name>
    <message>
        <source>Calendar, %1</source>
        <translation>Calendrier, %1</translation>
    </message>
</context>
<context>
    <name>BWAccessibleCalendarDay</name>
    <message>
        <source>%1, %2 due</source>
        <translation>%1, à payer : %2</translation>
    </message>
    <message>
        <source>Another month</source>
        <translation>Autre mois</translation>
    </message>
</context>
<context>
    <name>BWAccessibleFactory</name>
    <message>
        <source>Choose Date</source>
        <translation>Choisir la date</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Previous Month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>Mois suivant</translation>
    </message>
</context>
<context>
    <name>BWAccessiblePieChart</name>
    <message>
        <source>Pie chart</source>
        <translation>Graphique circulaire</translation>
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
        <translation>Choix</translation>
    </message>
</context>
<context>
    <name>BWAccessibleStepper</name>
    <message>
        <source>Stepper</source>
        <translation>Incrémenteur</translation>
    </message>
</context>
<context>
    <name>BWAnnouncements</name>
    <message>
        <source>%1: payment of %2 logged</source>
        <translation>%1 : paiement de %2 enregistré</translation>
    </message>
    <message>
        <source>%1: payment skipped</source>
        <translation>%1 : paiement sauté</translation>
    </message>
    <message>
        <source>%1 saved</source>
        <translation>%1 enregistré</translation>
    </message>
</context>
<context>
    <name>BWAutomaticCatchUp</name>
    <message numerus="yes">
        <source>Log %n Automatic Payments?</source>
        <translation>
            <numerusform>Enregistrer %n paiement automatique ?</numerusform>
            <numerusform>Enregistrer %n paiements automatiques ?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saving logs %n automatic payments at once, one for each due date from %1 until today.</source>
        <translation>
            <numerusform>L’enregistrement inscrit %n paiement automatique d’un coup, pour l’échéance du %1.</numerusform>
            <numerusform>L’enregistrement inscrit %n paiements automatiques d’un coup, un pour chaque échéance du %1 à aujourd’hui.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save and Log Them</source>
        <translation>Enregistrer et les inscrire</translation>
    </message>
</context>
<context>
    <name>BWAutomaticPayments</name>
    <message>
        <source>Auto-logged by Orvane</source>
        <translation>Enregistré automatiquement par Orvane</translation>
    </message>
</context>
<context>
    <name>BWBillActionsMenu</name>
    <message>
        <source>Actions</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Are you sure you want to skip the next payment for this bill?</source>
        <translation>Voulez-vous vraiment sauter le prochain paiement de cette facture ?</translation>
    </message>
    <message>
        <source>Repeat Action</source>
        <translation>Répéter l&apos;action</translation>
    </message>
</context>
<context>
    <name>BWBillCommandRunner</name>
    <message>
        <source>Log Payment</source>
        <translation>Enregistrer le paiement</translation>
    </message>
    <message>
        <source>Quick Logged</source>
        <translation>Enregistré rapidement</translation>
    </message>
    <message>
        <source>The Payment Was Not Logged</source>
        <translation>Le paiement n’a pas été enregistré</translation>
    </message>
    <message>
        <source>The bill could not be saved, so its payments and due date are unchanged.</source>
        <translation>La facture n’a pas pu être enregistrée ; ses paiements et sa date d’échéance restent inchangés.</translation>
    </message>
    <message>
        <source>No Bill Selected</source>
        <translation>Aucune facture sélectionnée</translation>
    </message>
    <message>
        <source>Select a bill before trying to export it as a CSV file.</source>
        <translation>Sélectionnez une facture avant de l’exporter en fichier CSV.</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Échec de l’exportation</translation>
    </message>
    <message>
        <source>The bill could not be read.</source>
        <translation>La facture n’a pas pu être lue.</translation>
    </message>
    <message>
        <source>Export Bill As CSV</source>
        <translation>Exporter la facture en CSV</translation>
    </message>
    <message>
        <source>The payments could not be saved to &quot;%1&quot;.</source>
        <translation>Les paiements n’ont pas pu être enregistrés dans « %1 ».</translation>
    </message>
    <message>
        <source>Hide Paydays on Overview</source>
        <translation>Masquer les jours de paie dans la vue d’ensemble</translation>
    </message>
    <message>
        <source>Show Paydays on Overview</source>
        <translation>Afficher les jours de paie dans la vue d’ensemble</translation>
    </message>
</context>
<context>
    <name>BWBillDetailViewController</name>
    <message>
        <source>Enter a Date</source>
        <translation>Saisissez une date</translation>
    </message>
    <message>
        <source>The Change Was Not Saved</source>
        <translation>La modification n’a pas été enregistrée</translation>
    </message>
    <message>
        <source>The bill could not be written; it is unchanged.</source>
        <translation>La facture n’a pas pu être écrite ; elle reste inchangée.</translation>
    </message>
    <message>
        <source>The Payment Was Not Skipped</source>
        <translation>Le paiement n’a pas été sauté</translation>
    </message>
    <message>
        <source>An archived bill has no payment to skip until it is restored.</source>
        <translation>Une facture archivée n’a aucun paiement à sauter tant qu’elle n’est pas restaurée.</translation>
    </message>
    <message>
        <source>The bill&apos;s next due date could not be worked out.</source>
        <translation>La prochaine échéance de la facture n’a pas pu être calculée.</translation>
    </message>
    <message>
        <source>The Receipt Could Not Be Opened</source>
        <translation>Le justificatif n’a pas pu être ouvert</translation>
    </message>
    <message>
        <source>The receipt file &quot;%1&quot; is missing.</source>
        <translation>Le fichier justificatif « %1 » est introuvable.</translation>
    </message>
    <message>
        <source>The bill&apos;s payments changed since they were shown. Look again.</source>
        <translation>Les paiements de la facture ont changé depuis leur affichage. Vérifiez à nouveau.</translation>
    </message>
    <message>
        <source>The Receipt Was Not Attached</source>
        <translation>Le justificatif n’a pas été joint</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be copied into Orvane&apos;s data folder; the payment keeps its earlier receipt.</source>
        <translation>« %1 » n’a pas pu être copié dans le dossier de données d’Orvane ; le paiement garde son justificatif précédent.</translation>
    </message>
    <message>
        <source>Enter an Amount</source>
        <translation>Saisissez un montant</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount.</source>
        <translation>« %1 » n’est pas un montant.</translation>
    </message>
    <message>
        <source>The Payment Was Not Changed</source>
        <translation>Le paiement n’a pas été modifié</translation>
    </message>
    <message>
        <source>The payment of %1 on %2 is taken out of the bill&apos;s history and totals.</source>
        <translation>Le paiement de %1 du %2 est retiré de l’historique et des totaux de la facture.</translation>
    </message>
    <message>
        <source>The due date moves back to where it was before this payment.</source>
        <translation>La date d’échéance revient à celle d’avant ce paiement.</translation>
    </message>
    <message>
        <source>The due date stays as it is: this partial payment did not move it.</source>
        <translation>La date d’échéance reste telle quelle : ce paiement partiel ne l’a pas déplacée.</translation>
    </message>
    <message>
        <source>Delete This Payment?</source>
        <translation>Supprimer ce paiement ?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Delete Payment</source>
        <translation>Supprimer le paiement</translation>
    </message>
    <message>
        <source>The Payment Was Not Removed</source>
        <translation>Le paiement n’a pas été retiré</translation>
    </message>
    <message>
        <source>Enter a Number</source>
        <translation>Saisissez un nombre</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>« %1 » n’est pas un nombre.</translation>
    </message>
    <message>
        <source>Enter an Interest Rate</source>
        <translation>Saisissez un taux d’intérêt</translation>
    </message>
    <message>
        <source>%1 % is no interest rate. Enter the rate as a percent from 0 to 100.</source>
        <translation>%1 % n’est pas un taux d’intérêt. Saisissez le taux en pourcentage, de 0 à 100.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Vue d’ensemble</translation>
    </message>
    <message>
        <source>Previous Bill</source>
        <translation>Facture précédente</translation>
    </message>
    <message>
        <source>Next Bill</source>
        <translation>Facture suivante</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Click to change the amount</source>
        <translation>Cliquez pour modifier le montant</translation>
    </message>
    <message>
        <source>This income is logged automatically on its pay day.</source>
        <translation>Ce revenu est enregistré automatiquement le jour de paie.</translation>
    </message>
    <message>
        <source>Change Date</source>
        <translation>Modifier la date</translation>
    </message>
    <message>
        <source>Change Amount</source>
        <translation>Modifier le montant</translation>
    </message>
    <message>
        <source>Pay Now</source>
        <translation>Payer</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Sauter</translation>
    </message>
    <message>
        <source>Log Payment</source>
        <translation>Enregistrer le paiement</translation>
    </message>
    <message>
        <source>Partial</source>
        <translation>Partiel</translation>
    </message>
    <message>
        <source>Log Partial Payment</source>
        <translation>Enregistrer un paiement partiel</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>View Receipt</source>
        <translation>Voir le justificatif</translation>
    </message>
    <message>
        <source>Date Paid</source>
        <translation>Payé le</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Justificatif</translation>
    </message>
    <message>
        <source>Previous Figures</source>
        <translation>Chiffres précédents</translation>
    </message>
    <message>
        <source>Next Figures</source>
        <translation>Chiffres suivants</translation>
    </message>
    <message>
        <source>Payments</source>
        <translation>Paiements</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>Depuis le début</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Cette année</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>L’an dernier</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Escrow</source>
        <translation>Séquestre</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Intérêts</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Saisons</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Hiver</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Printemps</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Été</translation>
    </message>
    <message>
        <source>Fall</source>
        <translation>Automne</translation>
    </message>
    <message>
        <source>Skip Payment</source>
        <translation>Sauter le paiement</translation>
    </message>
    <message>
        <source>Edit Payment</source>
        <translation>Modifier le paiement</translation>
    </message>
    <message>
        <source>Remove Receipt</source>
        <translation>Retirer le justificatif</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Date Paid:</source>
        <translation>Payé le :</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant :</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Note :</translation>
    </message>
    <message>
        <source>Receipt:</source>
        <translation>Justificatif :</translation>
    </message>
    <message>
        <source>Quick Edit</source>
        <translation>Modification rapide</translation>
    </message>
    <message>
        <source>Due Date</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <source>Balance:</source>
        <translation>Solde :</translation>
    </message>
    <message>
        <source>Interest Rate (%):</source>
        <translation>Taux d’intérêt (%) :</translation>
    </message>
    <message>
        <source>Escrow:</source>
        <translation>Séquestre :</translation>
    </message>
    <message>
        <source>AMOUNT</source>
        <translation>MONTANT</translation>
    </message>
    <message>
        <source>AMOUNT DUE</source>
        <translation>MONTANT DÛ</translation>
    </message>
    <message>
        <source>Income History</source>
        <translation>Historique des revenus</translation>
    </message>
    <message>
        <source>Payment History</source>
        <translation>Historique des paiements</translation>
    </message>
    <message>
        <source>Total Income</source>
        <translation>Total des revenus</translation>
    </message>
    <message>
        <source>Total Paid</source>
        <translation>Total payé</translation>
    </message>
    <message>
        <source>Date adjusted to avoid weekend.</source>
        <translation>Date déplacée pour éviter un week-end.</translation>
    </message>
    <message>
        <source>Date adjusted to avoid holiday.</source>
        <translation>Date déplacée pour éviter un jour férié.</translation>
    </message>
    <message>
        <source>Archived</source>
        <translation>Archivée</translation>
    </message>
    <message>
        <source>Not Set</source>
        <translation>Non défini</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Earlier Figures</source>
        <translation>Valeurs précédentes</translation>
    </message>
    <message>
        <source>Later Figures</source>
        <translation>Valeurs suivantes</translation>
    </message>
    <message>
        <source>Interest Rate</source>
        <translation>Taux d&apos;intérêt</translation>
    </message>
    <message>
        <source>The payment was removed since it was shown.</source>
        <translation>Le paiement a été supprimé depuis son affichage.</translation>
    </message>
</context>
<context>
    <name>BWBillEditorController</name>
    <message>
        <source>Savings Goal</source>
        <translation>Objectif d’épargne</translation>
    </message>
    <message>
        <source>Savings Goals</source>
        <translation>Objectifs d’épargne</translation>
    </message>
    <message>
        <source>save the bill</source>
        <translation>enregistrer la facture</translation>
    </message>
    <message>
        <source>save the income item</source>
        <translation>enregistrer le revenu</translation>
    </message>
    <message>
        <source>Do you really want to delete</source>
        <translation>Voulez-vous vraiment supprimer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Bill Editor</source>
        <translation>Éditeur de facture</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Tous les</translation>
    </message>
    <message>
        <source>Back to the usual repeat choices</source>
        <translation>Revenir aux récurrences habituelles</translation>
    </message>
    <message>
        <source>Bill name</source>
        <translation>Nom de la facture</translation>
    </message>
    <message>
        <source>Amount varies</source>
        <translation>Montant variable</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Facultatif</translation>
    </message>
    <message>
        <source>Web address where you pay</source>
        <translation>Adresse web où vous payez</translation>
    </message>
    <message>
        <source>Tags, separated by commas</source>
        <translation>Étiquettes, séparées par des virgules</translation>
    </message>
    <message>
        <source>Remind me</source>
        <translation>Me rappeler</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Due:</source>
        <translation>Échéance :</translation>
    </message>
    <message>
        <source>Repeats:</source>
        <translation>Récurrence :</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant :</translation>
    </message>
    <message>
        <source>Balance:</source>
        <translation>Solde :</translation>
    </message>
    <message>
        <source>Pay by:</source>
        <translation>Payé par :</translation>
    </message>
    <message>
        <source>Pay site:</source>
        <translation>Site de paiement :</translation>
    </message>
    <message>
        <source>Tags:</source>
        <translation>Étiquettes :</translation>
    </message>
    <message>
        <source>days before it is due</source>
        <translation>jours avant l’échéance</translation>
    </message>
    <message>
        <source>Income name</source>
        <translation>Nom du revenu</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Paid on:</source>
        <translation>Payé le :</translation>
    </message>
    <message>
        <source>Income Editor</source>
        <translation>Éditeur de revenu</translation>
    </message>
    <message>
        <source>Enter an Amount</source>
        <translation>Saisissez un montant</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount.</source>
        <translation>« %1 » n’est pas un montant.</translation>
    </message>
    <message>
        <source>The Item Was Not Saved</source>
        <translation>L’élément n’a pas été enregistré</translation>
    </message>
    <message>
        <source>Orvane could not %1, so nothing was changed and your entries are still in the form. Check that the data folder can be written to, then try again.</source>
        <translation>Orvane n’a pas pu %1 ; rien n’a été modifié et vos saisies sont toujours dans le formulaire. Vérifiez que le dossier de données est accessible en écriture, puis réessayez.</translation>
    </message>
    <message>
        <source>delete the item</source>
        <translation>supprimer l’élément</translation>
    </message>
    <message>
        <source>Enter a Date</source>
        <translation>Saisissez une date</translation>
    </message>
    <message>
        <source>Repeat Every</source>
        <translation>Répéter tous les</translation>
    </message>
    <message>
        <source>Usual Repeats</source>
        <translation>Répétitions habituelles</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icône</translation>
    </message>
    <message>
        <source>Bill Name</source>
        <translation>Nom de la facture</translation>
    </message>
    <message>
        <source>Due Date</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Pay Site</source>
        <translation>Site de paiement</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>Days before it is due</source>
        <translation>Jours avant l&apos;échéance</translation>
    </message>
    <message>
        <source>Income Name</source>
        <translation>Nom du revenu</translation>
    </message>
    <message>
        <source>Paid On</source>
        <translation>Payé le</translation>
    </message>
</context>
<context>
    <name>BWBillsLoader</name>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>Due in 1 day</source>
        <translation>Dans 1 jour</translation>
    </message>
    <message>
        <source>Due in 1 week</source>
        <translation>Dans 1 semaine</translation>
    </message>
    <message numerus="yes">
        <source>Due in %n days</source>
        <translation>
            <numerusform>Dans %n jour</numerusform>
            <numerusform>Dans %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Due in about 1 month</source>
        <translation>Dans environ 1 mois</translation>
    </message>
    <message>
        <source>Due in over 1 month</source>
        <translation>Dans plus d’un mois</translation>
    </message>
    <message numerus="yes">
        <source>Due in about %n months</source>
        <translation>
            <numerusform>Dans environ %n mois</numerusform>
            <numerusform>Dans environ %n mois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Due in over %n months</source>
        <translation>
            <numerusform>Dans plus de %n mois</numerusform>
            <numerusform>Dans plus de %n mois</numerusform>
        </translation>
    </message>
    <message>
        <source>Due in over 1 year</source>
        <translation>Dans plus d’un an</translation>
    </message>
    <message>
        <source>Paid in 1 day</source>
        <translation>Versement dans 1 jour</translation>
    </message>
    <message>
        <source>Paid in 1 week</source>
        <translation>Versement dans 1 semaine</translation>
    </message>
    <message numerus="yes">
        <source>Paid in %n days</source>
        <translation>
            <numerusform>Versement dans %n jour</numerusform>
            <numerusform>Versement dans %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Paid in about 1 month</source>
        <translation>Versement dans environ 1 mois</translation>
    </message>
    <message>
        <source>Paid in over 1 month</source>
        <translation>Versement dans plus d’un mois</translation>
    </message>
    <message numerus="yes">
        <source>Paid in about %n months</source>
        <translation>
            <numerusform>Versement dans environ %n mois</numerusform>
            <numerusform>Versement dans environ %n mois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paid in over %n months</source>
        <translation>
            <numerusform>Versement dans plus de %n mois</numerusform>
            <numerusform>Versement dans plus de %n mois</numerusform>
        </translation>
    </message>
    <message>
        <source>Paid in over 1 year</source>
        <translation>Versement dans plus d’un an</translation>
    </message>
    <message>
        <source>In 1 day</source>
        <translation>Dans 1 jour</translation>
    </message>
    <message>
        <source>In 1 week</source>
        <translation>Dans 1 semaine</translation>
    </message>
    <message numerus="yes">
        <source>In %n days</source>
        <translation>
            <numerusform>Dans %n jour</numerusform>
            <numerusform>Dans %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>In 1 month</source>
        <translation>Dans 1 mois</translation>
    </message>
    <message>
        <source>Over 1 month</source>
        <translation>Plus d’un mois</translation>
    </message>
    <message numerus="yes">
        <source>In %n months</source>
        <translation>
            <numerusform>Dans %n mois</numerusform>
            <numerusform>Dans %n mois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Over %n months</source>
        <translation>
            <numerusform>Plus de %n mois</numerusform>
            <numerusform>Plus de %n mois</numerusform>
        </translation>
    </message>
    <message>
        <source>Over 1 year</source>
        <translation>Plus d’un an</translation>
    </message>
    <message>
        <source>Paid 1 day ago</source>
        <translation>Payé il y a 1 jour</translation>
    </message>
    <message>
        <source>Overdue by 1 day</source>
        <translation>En retard d’un jour</translation>
    </message>
    <message numerus="yes">
        <source>Paid %n days ago</source>
        <translation>
            <numerusform>Payé il y a %n jour</numerusform>
            <numerusform>Payé il y a %n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Overdue by %n days</source>
        <translation>
            <numerusform>En retard de %n jour</numerusform>
            <numerusform>En retard de %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Paid today</source>
        <translation>Payé aujourd’hui</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>Échéance aujourd’hui</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>En retard</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Chaque semaine</translation>
    </message>
    <message numerus="yes">
        <source>Every %n weeks</source>
        <translation>
            <numerusform>Toutes les %n semaine</numerusform>
            <numerusform>Toutes les %n semaines</numerusform>
        </translation>
    </message>
    <message>
        <source>Twice per month</source>
        <translation>Deux fois par mois</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>Chaque mois</translation>
    </message>
    <message>
        <source>Every quarter</source>
        <translation>Chaque trimestre</translation>
    </message>
    <message>
        <source>Every year</source>
        <translation>Chaque année</translation>
    </message>
    <message numerus="yes">
        <source>Every %n months</source>
        <translation>
            <numerusform>Tous les %n mois</numerusform>
            <numerusform>Tous les %n mois</numerusform>
        </translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Chaque jour</translation>
    </message>
    <message numerus="yes">
        <source>Every %n days</source>
        <translation>
            <numerusform>Tous les %n jour</numerusform>
            <numerusform>Tous les %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Paid 1 time</source>
        <translation>Payé 1 fois</translation>
    </message>
    <message numerus="yes">
        <source>Paid %n times</source>
        <translation>
            <numerusform>Payé %n fois</numerusform>
            <numerusform>Payé %n fois</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BWCloudSyncGlue</name>
    <message>
        <source>Sync is not available in this copy of Orvane.</source>
        <translation>La synchronisation n’est pas disponible dans cette copie d’Orvane.</translation>
    </message>
    <message>
        <source>No shared folder is in use: choose one below, then start Orvane again.</source>
        <translation>Aucun dossier partagé n’est utilisé : choisissez-en un ci-dessous, puis redémarrez Orvane.</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Échec de la synchronisation : %1</translation>
    </message>
    <message>
        <source>A sync file that could not be read was moved to %1</source>
        <translation>Un fichier de synchronisation illisible a été déplacé vers %1</translation>
    </message>
    <message>
        <source>Last Sync: %1</source>
        <translation>Dernière synchronisation : %1</translation>
    </message>
    <message>
        <source>Orvane Cloud Account…</source>
        <translation>Compte Orvane Cloud…</translation>
    </message>
    <message>
        <source>Orvane Cloud</source>
        <translation>Orvane Cloud</translation>
    </message>
    <message numerus="yes">
        <source>The clock of computer %1 is %n day(s) ahead. Set its date and time right; its changes are merged once it is.</source>
        <translation>
            <numerusform>L’horloge de l’ordinateur %1 avance de %n jour. Réglez sa date et son heure ; ses modifications seront alors fusionnées.</numerusform>
            <numerusform>L’horloge de l’ordinateur %1 avance de %n jours. Réglez sa date et son heure ; ses modifications seront alors fusionnées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Another computer syncs under this computer&apos;s id, as after copying a whole disk. This computer now syncs under an id of its own.</source>
        <translation>Un autre ordinateur se synchronise sous l’identifiant de cet ordinateur, comme après la copie d’un disque entier. Cet ordinateur se synchronise désormais sous un identifiant qui lui est propre.</translation>
    </message>
</context>
<context>
    <name>BWCommandLine</name>
    <message>
        <source>Keeps your recurring bills and income in order.</source>
        <translation>Garde vos factures et revenus réguliers en ordre.</translation>
    </message>
    <message>
        <source>An Orvane launch address to open, as the login agent does.</source>
        <translation>Une adresse de lancement d’Orvane à ouvrir, comme le fait l’agent de connexion.</translation>
    </message>
</context>
<context>
    <name>BWDateField</name>
    <message>
        <source>%1 lies outside the dates this field takes, %2 to %3.</source>
        <translation>%1 est hors des dates acceptées par ce champ, du %2 au %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date. Type a day of the month, a month and day such as &quot;%2&quot;, or a whole date such as &quot;%3&quot;.</source>
        <translation>« %1 » n’est pas une date. Saisissez un jour du mois, un jour et un mois comme « %2 », ou une date complète comme « %3 ».</translation>
    </message>
    <message>
        <source>No date is entered. Type a day of the month, a month and day such as &quot;%1&quot;, or a whole date such as &quot;%2&quot;, or pick one from the calendar.</source>
        <translation>Aucune date n’est saisie. Tapez un jour du mois, un mois et un jour comme « %1 » ou une date complète comme « %2 », ou choisissez-en une dans le calendrier.</translation>
    </message>
</context>
<context>
    <name>BWFirebaseCloudAccount</name>
    <message>
        <source>Orvane Cloud is not set up on this computer.</source>
        <translation>Orvane Cloud n’est pas configuré sur cet ordinateur.</translation>
    </message>
    <message>
        <source>You are not signed in to Orvane Cloud.</source>
        <translation>Vous n’êtes pas connecté à Orvane Cloud.</translation>
    </message>
    <message>
        <source>This is not a valid email address.</source>
        <translation>Cette adresse e-mail n’est pas valide.</translation>
    </message>
    <message>
        <source>This password is too weak. Choose a longer one.</source>
        <translation>Ce mot de passe est trop faible. Choisissez-en un plus long.</translation>
    </message>
    <message>
        <source>An account with this email address exists already.</source>
        <translation>Un compte existe déjà avec cette adresse e-mail.</translation>
    </message>
    <message>
        <source>The email address or the password is wrong.</source>
        <translation>L’adresse e-mail ou le mot de passe est incorrect.</translation>
    </message>
    <message>
        <source>Too many attempts. Please wait a while and try again.</source>
        <translation>Trop de tentatives. Patientez un moment, puis réessayez.</translation>
    </message>
    <message>
        <source>Your session has ended. Please sign in again.</source>
        <translation>Votre session a expiré. Reconnectez-vous.</translation>
    </message>
    <message>
        <source>Orvane Cloud could not be reached. Check your internet connection and try again.</source>
        <translation>Orvane Cloud est injoignable. Vérifiez votre connexion Internet, puis réessayez.</translation>
    </message>
    <message>
        <source>Orvane Cloud did not answer as expected. Please try again later.</source>
        <translation>Orvane Cloud n’a pas répondu comme prévu. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>Orvane Cloud refused the change.</source>
        <translation>Orvane Cloud a refusé la modification.</translation>
    </message>
    <message>
        <source>Something went wrong. Please try again.</source>
        <translation>Une erreur s’est produite. Réessayez.</translation>
    </message>
</context>
<context>
    <name>BWForecastViewController</name>
    <message>
        <source>Forecast</source>
        <translation>Prévisions</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Bills</source>
        <translation>Factures</translation>
    </message>
    <message>
        <source>To Save</source>
        <translation>À épargner</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Revenus</translation>
    </message>
    <message>
        <source>Include amounts to save</source>
        <translation>Inclure les montants à épargner</translation>
    </message>
    <message>
        <source>Estimate varying amounts</source>
        <translation>Estimer les montants variables</translation>
    </message>
</context>
<context>
    <name>BWGraphViewController</name>
    <message>
        <source>By Month</source>
        <translation>Par mois</translation>
    </message>
    <message>
        <source>By Payment</source>
        <translation>Par paiement</translation>
    </message>
    <message>
        <source>Payment Graph</source>
        <translation>Graphique des paiements</translation>
    </message>
</context>
<context>
    <name>BWHistoryViewController</name>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Paid On</source>
        <translation>Payé le</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Payments</source>
        <translation>Paiements</translation>
    </message>
    <message>
        <source>Total Paid</source>
        <translation>Total payé</translation>
    </message>
</context>
<context>
    <name>BWImportController</name>
    <message>
        <source>Warning: Importing Will Overwrite Your Current Data</source>
        <translation>Attention : l’importation remplace vos données actuelles</translation>
    </message>
    <message>
        <source>Importing Orvane 4 data will overwrite all current Orvane 5 data. This cannot be undone. Are you sure you want to continue?</source>
        <translation>L’importation des données d’Orvane 4 remplace toutes les données actuelles d’Orvane 5. Cette opération est irréversible. Voulez-vous vraiment continuer ?</translation>
    </message>
    <message>
        <source>Erase &amp; Import</source>
        <translation>Effacer et importer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Select Orvane Folder</source>
        <translation>Sélectionner le dossier Orvane</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>Invalid Folder</source>
        <translation>Dossier non valide</translation>
    </message>
    <message>
        <source>This doesn&apos;t appear to be a Orvane database folder. The folder should be named Orvane. Please try again.</source>
        <translation>Ce dossier ne semble pas être un dossier de base de données Orvane. Il doit s’appeler Orvane. Réessayez.</translation>
    </message>
    <message>
        <source>Import Orvane 4 Data</source>
        <translation>Importer les données d’Orvane 4</translation>
    </message>
    <message>
        <source>Import the bills of Orvane 4 from its usual place, or choose the folder named Orvane that holds its data.</source>
        <translation>Importez les factures d’Orvane 4 depuis leur emplacement habituel, ou choisissez le dossier nommé Orvane qui contient ses données.</translation>
    </message>
    <message>
        <source>Import from the Usual Place</source>
        <translation>Importer depuis l’emplacement habituel</translation>
    </message>
    <message>
        <source>Choose Folder…</source>
        <translation>Choisir un dossier…</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Sauter</translation>
    </message>
    <message>
        <source>These bills could not be read: %1.</source>
        <translation>Ces factures n’ont pas pu être lues : %1.</translation>
    </message>
    <message>
        <source>No older Orvane data could be imported from there.</source>
        <translation>Aucune donnée d’une ancienne version d’Orvane n’a pu être importée depuis cet endroit.</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Échec de l’importation</translation>
    </message>
    <message>
        <source>Some Bills Were Not Imported</source>
        <translation>Certaines factures n’ont pas été importées</translation>
    </message>
    <message numerus="yes">
        <source>%n bill(s) were imported. </source>
        <translation>
            <numerusform>%n facture a été importée. </numerusform>
            <numerusform>%n factures ont été importées. </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BWIncomeController</name>
    <message>
        <source>Income Sources</source>
        <translation>Sources de revenus</translation>
    </message>
    <message>
        <source>No income sources yet. A source is money that comes in regularly, such as a salary or a pension: Orvane counts it in this month&apos;s income and expected balance. Click &quot;Add Income Source&quot; to add one.

Income items made with &quot;+ Income&quot; on the overview are kept with your bills and are not listed here.</source>
        <translation>Aucune source de revenus pour l’instant. Une source est de l’argent qui arrive régulièrement, comme un salaire ou une pension : Orvane le compte dans les revenus et le solde prévu du mois. Cliquez sur « Ajouter une source de revenus » pour en ajouter une.

Les revenus créés avec « + Revenu » dans la vue d’ensemble sont gardés avec vos factures et ne figurent pas ici.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Pay Day</source>
        <translation>Jour de paie</translation>
    </message>
    <message>
        <source>Repeats</source>
        <translation>Récurrence</translation>
    </message>
    <message>
        <source>Add Income Source</source>
        <translation>Ajouter une source de revenus</translation>
    </message>
    <message>
        <source>Last Day of Month</source>
        <translation>Dernier jour du mois</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensuel</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>Toutes les deux semaines</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description :</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant :</translation>
    </message>
    <message>
        <source>Pay Day:</source>
        <translation>Jour de paie :</translation>
    </message>
    <message>
        <source>Repeats:</source>
        <translation>Récurrence :</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Modifier…</translation>
    </message>
    <message>
        <source>Enter the amount as a number of 0 or more.</source>
        <translation>Saisissez le montant sous forme de nombre supérieur ou égal à 0.</translation>
    </message>
    <message>
        <source>The income sources could not be saved.</source>
        <translation>Les sources de revenus n’ont pas pu être enregistrées.</translation>
    </message>
</context>
<context>
    <name>BWLegacyKeyValueSync</name>
    <message>
        <source>Last Sync: %1</source>
        <translation>Dernière synchronisation : %1</translation>
    </message>
    <message>
        <source>Delete iCloud Data?</source>
        <translation>Supprimer les données iCloud ?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete your Orvane data on iCloud? This will not delete your local data.</source>
        <translation>Voulez-vous vraiment supprimer vos données Orvane sur iCloud ? Vos données locales ne seront pas supprimées.</translation>
    </message>
    <message>
        <source>Delete iCloud Data</source>
        <translation>Supprimer les données iCloud</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>BWLogPaymentController</name>
    <message>
        <source>Log Payment</source>
        <translation>Enregistrer le paiement</translation>
    </message>
    <message>
        <source>Log Partial Payment</source>
        <translation>Enregistrer un paiement partiel</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Date Paid:</source>
        <translation>Payé le :</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant :</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Note :</translation>
    </message>
    <message>
        <source>This item no longer exists, so no payment can be logged for it.</source>
        <translation>Cet élément n’existe plus ; aucun paiement ne peut être enregistré pour lui.</translation>
    </message>
    <message>
        <source>This item was archived or deleted, so no payment can be logged for it.</source>
        <translation>Cet élément a été archivé ou supprimé ; aucun paiement ne peut être enregistré pour lui.</translation>
    </message>
    <message>
        <source>The receipt file can&apos;t be found: %1</source>
        <translation>Le fichier justificatif est introuvable : %1</translation>
    </message>
    <message>
        <source>The payment could not be saved, so nothing was logged. Check that the data folder can be written to.</source>
        <translation>Le paiement n’a pas pu être enregistré ; rien n’a été noté. Vérifiez que le dossier de données est accessible en écriture.</translation>
    </message>
    <message>
        <source>Enter the amount paid.</source>
        <translation>Saisissez le montant payé.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount. Enter the amount paid as a number.</source>
        <translation>« %1 » n’est pas un montant. Saisissez le montant payé sous forme de nombre.</translation>
    </message>
    <message>
        <source>The amount paid can&apos;t be negative.</source>
        <translation>Le montant payé ne peut pas être négatif.</translation>
    </message>
    <message>
        <source>Select Receipt</source>
        <translation>Sélectionner un justificatif</translation>
    </message>
    <message>
        <source>Date Paid</source>
        <translation>Payé le</translation>
    </message>
    <message>
        <source>Amount Paid</source>
        <translation>Montant payé</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>BWMainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>New Bill</source>
        <translation>Nouvelle facture</translation>
    </message>
    <message>
        <source>New Savings Goal</source>
        <translation>Nouvel objectif d’épargne</translation>
    </message>
    <message>
        <source>Export Payments as CSV…</source>
        <translation>Exporter les paiements en CSV…</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Quit Orvane</source>
        <translation>Quitter Orvane</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Réglages…</translation>
    </message>
    <message>
        <source>&amp;Bill</source>
        <translation>&amp;Facture</translation>
    </message>
    <message>
        <source>Log Payment…</source>
        <translation>Enregistrer un paiement…</translation>
    </message>
    <message>
        <source>Log Partial Payment…</source>
        <translation>Enregistrer un paiement partiel…</translation>
    </message>
    <message>
        <source>Quick Log</source>
        <translation>Enregistrement rapide</translation>
    </message>
    <message>
        <source>Skip Payment…</source>
        <translation>Sauter le paiement…</translation>
    </message>
    <message>
        <source>Pay Now</source>
        <translation>Payer</translation>
    </message>
    <message>
        <source>View Website</source>
        <translation>Voir le site web</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Modifier…</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archiver</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Supprimer…</translation>
    </message>
    <message>
        <source>Previous Bill</source>
        <translation>Facture précédente</translation>
    </message>
    <message>
        <source>Next Bill</source>
        <translation>Facture suivante</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Show Overview</source>
        <translation>Afficher la vue d’ensemble</translation>
    </message>
    <message>
        <source>All Active Items</source>
        <translation>Tous les éléments actifs</translation>
    </message>
    <message>
        <source>Archived Bills</source>
        <translation>Factures archivées</translation>
    </message>
    <message>
        <source>Due Soon</source>
        <translation>Bientôt dues</translation>
    </message>
    <message>
        <source>Due This Month</source>
        <translation>Dues ce mois-ci</translation>
    </message>
    <message>
        <source>Paid This Month</source>
        <translation>Payées ce mois-ci</translation>
    </message>
    <message>
        <source>Show Paydays on Overview</source>
        <translation>Afficher les jours de paie dans la vue d’ensemble</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Prévisions</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Orvane Manual</source>
        <translation>Manuel d’Orvane</translation>
    </message>
    <message>
        <source>About Orvane</source>
        <translation>À propos d’Orvane</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d’outils</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Orvane keeps your recurring bills and income in order.</source>
        <translation>Orvane garde vos factures et revenus réguliers en ordre.</translation>
    </message>
    <message>
        <source>&amp;Quick Start Guide</source>
        <translation>&amp;Guide de démarrage rapide</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New in Orvane</source>
        <translation>&amp;Nouveautés d’Orvane</translation>
    </message>
    <message>
        <source>Forecast &amp;Help</source>
        <translation>Aide sur les &amp;prévisions</translation>
    </message>
    <message>
        <source>Orvane &amp;Support</source>
        <translation>A&amp;ssistance Orvane</translation>
    </message>
    <message>
        <source>&amp;Write to Support…</source>
        <translation>&amp;Écrire à l’assistance…</translation>
    </message>
    <message>
        <source>Sign &amp;Up for News</source>
        <translation>S’&amp;abonner aux nouvelles</translation>
    </message>
    <message>
        <source>&amp;About Orvane</source>
        <translation>À pr&amp;opos d’Orvane</translation>
    </message>
</context>
<context>
    <name>BWMainWindow</name>
    <message>
        <source>Orvane Keeps Running</source>
        <translation>Orvane continue de tourner</translation>
    </message>
    <message>
        <source>With no tray icon to open it again from, Orvane&apos;s window is minimised to the taskbar instead of closed, and reminders keep coming. Choose Quit to end Orvane.</source>
        <translation>Comme aucune icône de la zone de notification ne permet de le rouvrir, la fenêtre d’Orvane est réduite dans la barre des tâches au lieu d’être fermée, et les rappels continuent. Choisissez Quitter pour fermer Orvane.</translation>
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
        <translation>Afficher Orvane</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Quit Orvane</source>
        <translation>Quitter Orvane</translation>
    </message>
    <message>
        <source>Orvane: %1 due, some overdue</source>
        <translation>Orvane : %1 dues, certaines en retard</translation>
    </message>
    <message>
        <source>Orvane: %1 due</source>
        <translation>Orvane : %1 dues</translation>
    </message>
</context>
<context>
    <name>BWObjectController</name>
    <message>
        <source>The Database Is In Use</source>
        <translation>La base de données est utilisée</translation>
    </message>
    <message>
        <source>Another copy of Orvane is using the database %1. Quit it first; your data stays where it was.</source>
        <translation>Une autre copie d’Orvane utilise la base de données %1. Quittez-la d’abord ; vos données restent où elles sont.</translation>
    </message>
    <message>
        <source>Select Location to Save Database</source>
        <translation>Choisir l’emplacement de la base de données</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>The folder could not be used</source>
        <translation>Le dossier n’a pas pu être utilisé</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder Orvane can reach.</source>
        <translation>« %1 » n’est pas un dossier accessible à Orvane.</translation>
    </message>
    <message>
        <source>The Database Was Not Moved</source>
        <translation>La base de données n’a pas été déplacée</translation>
    </message>
    <message>
        <source>Your data stays where it was. The chosen folder may already hold Orvane data, lie inside the data folder, or not be writable.</source>
        <translation>Vos données restent où elles sont. Le dossier choisi contient peut-être déjà des données Orvane, se trouve dans le dossier de données ou n’est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>Database Moved</source>
        <translation>Base de données déplacée</translation>
    </message>
    <message>
        <source>Your data has been moved to the new location.</source>
        <translation>Vos données ont été déplacées au nouvel emplacement.</translation>
    </message>
    <message>
        <source>Select Folder Containing Database</source>
        <translation>Sélectionner le dossier contenant la base de données</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>The Database Was Not Opened</source>
        <translation>La base de données n’a pas été ouverte</translation>
    </message>
    <message>
        <source>Orvane could not store its settings.</source>
        <translation>Orvane n’a pas pu enregistrer ses réglages.</translation>
    </message>
    <message>
        <source>Database Opened</source>
        <translation>Base de données ouverte</translation>
    </message>
    <message>
        <source>Your data has been sucessfully loaded.</source>
        <translation>Vos données ont bien été chargées.</translation>
    </message>
    <message>
        <source>The Usual Place Holds Other Bills</source>
        <translation>L’emplacement habituel contient d’autres factures</translation>
    </message>
    <message>
        <source>The usual place already holds Orvane data that is not the data you use now. Orvane can keep that data aside in a folder beside it, where &quot;Open Database Elsewhere…&quot; finds it again, and move your data back.</source>
        <translation>L’emplacement habituel contient déjà des données Orvane qui ne sont pas celles que vous utilisez. Orvane peut mettre ces données de côté dans un dossier voisin, où « Ouvrir une base de données ailleurs… » les retrouve, et y ramener vos données.</translation>
    </message>
    <message>
        <source>Keep It Aside and Move Back</source>
        <translation>Mettre de côté et ramener</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The Database Was Not Moved Back</source>
        <translation>La base de données n’a pas été ramenée</translation>
    </message>
    <message>
        <source>Your data stays where it was. One of the two folders may not be writable.</source>
        <translation>Vos données restent où elles sont. L’un des deux dossiers n’est peut-être pas accessible en écriture.</translation>
    </message>
    <message>
        <source>Your data has been moved back to the default location.</source>
        <translation>Vos données ont été ramenées à l’emplacement par défaut.</translation>
    </message>
    <message>
        <source>Database Reset</source>
        <translation>Base de données réinitialisée</translation>
    </message>
    <message>
        <source>The data that was there is kept in %1.</source>
        <translation>Les données qui s’y trouvaient sont gardées dans %1.</translation>
    </message>
    <message>
        <source>Select Dropbox Folder</source>
        <translation>Sélectionner le dossier Dropbox</translation>
    </message>
    <message>
        <source>Turning on Sync will move your data to your Dropbox. You must select your Dropbox folder to continue.</source>
        <translation>L’activation de la synchronisation déplace vos données dans votre Dropbox. Sélectionnez votre dossier Dropbox pour continuer.</translation>
    </message>
    <message>
        <source>Select Dropbox…</source>
        <translation>Sélectionner Dropbox…</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>Wrong Folder Selected</source>
        <translation>Mauvais dossier sélectionné</translation>
    </message>
    <message>
        <source>This doesn&apos;t appear to be your Dropbox folder. Make sure Dropbox is installed, and select the folder named Dropbox.</source>
        <translation>Ce dossier ne semble pas être votre dossier Dropbox. Vérifiez que Dropbox est installé et sélectionnez le dossier nommé Dropbox.</translation>
    </message>
    <message>
        <source>Your data will be replaced by the backup Orvane made on %1. Everything entered since then is lost, and this cannot be undone.</source>
        <translation>Vos données vont être remplacées par la sauvegarde faite par Orvane le %1. Tout ce qui a été saisi depuis sera perdu, et cette opération est irréversible.</translation>
    </message>
    <message>
        <source>Orvane has no record of a backup yet. Your current data stays as it is unless one is found.</source>
        <translation>Orvane n’a encore aucune sauvegarde. Vos données actuelles restent telles quelles tant qu’aucune n’est trouvée.</translation>
    </message>
    <message>
        <source>Restore the Backup of %1?</source>
        <translation>Restaurer la sauvegarde du %1 ?</translation>
    </message>
    <message>
        <source>Restore Database</source>
        <translation>Restaurer la base de données</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Backup Restored</source>
        <translation>Sauvegarde restaurée</translation>
    </message>
    <message>
        <source>Your data is back as it was on %1.</source>
        <translation>Vos données sont revenues à leur état du %1.</translation>
    </message>
    <message>
        <source>The Database Was Not Restored</source>
        <translation>La base de données n’a pas été restaurée</translation>
    </message>
    <message>
        <source>There is no usable backup, or it could not be copied. Your data is as it was.</source>
        <translation>Il n’y a aucune sauvegarde utilisable, ou elle n’a pas pu être copiée. Vos données sont inchangées.</translation>
    </message>
    <message>
        <source>The Tag List Was Not Rebuilt</source>
        <translation>La liste des étiquettes n’a pas été reconstruite</translation>
    </message>
    <message>
        <source>The tag list could not be written.</source>
        <translation>La liste des étiquettes n’a pas pu être écrite.</translation>
    </message>
    <message>
        <source>The Database Folder Could Not Be Shown</source>
        <translation>Le dossier de la base de données n’a pas pu être affiché</translation>
    </message>
    <message>
        <source>Quick Start Guide</source>
        <translation>Guide de démarrage rapide</translation>
    </message>
    <message>
        <source>Migration Guide</source>
        <translation>Guide de migration</translation>
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
        <translation>Connectez-vous pour synchroniser vos factures sur tous vos ordinateurs.</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>nom@exemple.fr</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>Mot de passe oublié ?</translation>
    </message>
    <message>
        <source>I Already Have an Account</source>
        <translation>J’ai déjà un compte</translation>
    </message>
    <message>
        <source>Use Another Address</source>
        <translation>Utiliser une autre adresse</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>Créer un compte</translation>
    </message>
    <message>
        <source>About Orvane Cloud</source>
        <translation>À propos d’Orvane Cloud</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Signed in as</source>
        <translation>Connecté en tant que</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Trouble Syncing?</source>
        <translation>Problèmes de synchronisation ?</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>No Email Address</source>
        <translation>Aucune adresse e-mail</translation>
    </message>
    <message>
        <source>Enter the email address of your Orvane Cloud account.</source>
        <translation>Saisissez l’adresse e-mail de votre compte Orvane Cloud.</translation>
    </message>
    <message>
        <source>Looking up your account…</source>
        <translation>Recherche de votre compte…</translation>
    </message>
    <message>
        <source>Account Not Found</source>
        <translation>Compte introuvable</translation>
    </message>
    <message>
        <source>We can&apos;t find an account with this email address.</source>
        <translation>Aucun compte n’existe avec cette adresse e-mail.</translation>
    </message>
    <message>
        <source>Signing In…</source>
        <translation>Connexion…</translation>
    </message>
    <message>
        <source>Sign In Failed</source>
        <translation>Échec de la connexion</translation>
    </message>
    <message>
        <source>The password is wrong, or this address has no account yet: try again, create the account, or have a reset link mailed.</source>
        <translation>Le mot de passe est incorrect, ou cette adresse n’a pas encore de compte : réessayez, créez le compte ou demandez un lien de réinitialisation.</translation>
    </message>
    <message>
        <source>The password is wrong, or this address has no account: try again, or have a reset link mailed.</source>
        <translation>Le mot de passe est incorrect, ou cette adresse n’a pas de compte : réessayez ou demandez un lien de réinitialisation.</translation>
    </message>
    <message>
        <source>Invalid Email Address</source>
        <translation>Adresse e-mail non valide</translation>
    </message>
    <message>
        <source>Enter an email address such as name@example.com.</source>
        <translation>Saisissez une adresse e-mail comme nom@exemple.fr.</translation>
    </message>
    <message>
        <source>Password Too Short</source>
        <translation>Mot de passe trop court</translation>
    </message>
    <message numerus="yes">
        <source>Choose a password of at least %n characters.</source>
        <translation>
            <numerusform>Choisissez un mot de passe d’au moins %n caractère.</numerusform>
            <numerusform>Choisissez un mot de passe d’au moins %n caractères.</numerusform>
        </translation>
    </message>
    <message>
        <source>Creating your account…</source>
        <translation>Création de votre compte…</translation>
    </message>
    <message>
        <source>Error Creating Account</source>
        <translation>Erreur lors de la création du compte</translation>
    </message>
    <message>
        <source>Something went wrong. Please try again. If this error persists, contact customer support.</source>
        <translation>Une erreur s’est produite. Réessayez. Si l’erreur persiste, contactez l’assistance.</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>Envoi…</translation>
    </message>
    <message>
        <source>Password Reset Failed</source>
        <translation>Échec de la réinitialisation du mot de passe</translation>
    </message>
    <message>
        <source>Message Sent</source>
        <translation>Message envoyé</translation>
    </message>
    <message>
        <source>If you have an account with this email address, a link to reset your password has been sent.</source>
        <translation>Si vous avez un compte avec cette adresse e-mail, un lien de réinitialisation du mot de passe vous a été envoyé.</translation>
    </message>
    <message>
        <source>Really Sign Out?</source>
        <translation>Vraiment se déconnecter ?</translation>
    </message>
    <message>
        <source>Signing out will stop your bills from syncing.</source>
        <translation>Après la déconnexion, vos factures ne seront plus synchronisées.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>BWOverviewBottomBar</name>
    <message>
        <source>Log Payment</source>
        <translation>Enregistrer le paiement</translation>
    </message>
    <message>
        <source>Log Partial</source>
        <translation>Paiement partiel</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Voir</translation>
    </message>
    <message>
        <source>Pay Now</source>
        <translation>Payer</translation>
    </message>
    <message>
        <source>Orvane for phones cannot sync with this computer yet.</source>
        <translation>Orvane pour téléphones ne peut pas encore se synchroniser avec cet ordinateur.</translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>En savoir plus</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>No bills yet: click “+ New Bill” above (or press Ctrl+N) to add your first bill.</source>
        <translation>Aucune facture pour l’instant : cliquez sur « + Nouvelle facture » ci-dessus (ou appuyez sur Ctrl+N) pour ajouter votre première facture.</translation>
    </message>
    <message>
        <source>Select a bill to view available actions.</source>
        <translation>Sélectionnez une facture pour voir les actions possibles.</translation>
    </message>
    <message>
        <source>items selected. Estimated balance:</source>
        <translation>éléments sélectionnés. Solde estimé :</translation>
    </message>
    <message>
        <source>bills selected. Estimated amount due:</source>
        <translation>factures sélectionnées. Montant dû estimé :</translation>
    </message>
</context>
<context>
    <name>BWOverviewController</name>
    <message>
        <source>Skip Payment</source>
        <translation>Sauter le paiement</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archiver</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Modifier…</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Supprimer…</translation>
    </message>
    <message>
        <source>Export as CSV…</source>
        <translation>Exporter en CSV…</translation>
    </message>
    <message>
        <source>All Active Items</source>
        <translation>Tous les éléments actifs</translation>
    </message>
    <message>
        <source>Archived Bills</source>
        <translation>Factures archivées</translation>
    </message>
    <message>
        <source>Due Soon</source>
        <translation>Bientôt dues</translation>
    </message>
    <message>
        <source>Due This Month</source>
        <translation>Dues ce mois-ci</translation>
    </message>
    <message>
        <source>Paid This Month</source>
        <translation>Payées ce mois-ci</translation>
    </message>
    <message>
        <source>Bills</source>
        <translation>Factures</translation>
    </message>
</context>
<context>
    <name>BWOverviewHeader</name>
    <message>
        <source>+ New Bill</source>
        <translation>+ Nouvelle facture</translation>
    </message>
    <message>
        <source>Add a bill</source>
        <translation>Ajouter une facture</translation>
    </message>
    <message>
        <source>+ Income</source>
        <translation>+ Revenu</translation>
    </message>
    <message>
        <source>Add an income item</source>
        <translation>Ajouter un revenu</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Tout afficher</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Vacation mode</source>
        <translation>Mode vacances</translation>
    </message>
    <message>
        <source>Vacation mode is on</source>
        <translation>Le mode vacances est activé</translation>
    </message>
    <message>
        <source>Vacation mode is off</source>
        <translation>Le mode vacances est désactivé</translation>
    </message>
    <message>
        <source>New Bill</source>
        <translation>Nouvelle facture</translation>
    </message>
    <message>
        <source>New Income</source>
        <translation>Nouveau revenu</translation>
    </message>
    <message>
        <source>Bills Shown</source>
        <translation>Factures affichées</translation>
    </message>
    <message>
        <source>Search Bills</source>
        <translation>Rechercher des factures</translation>
    </message>
    <message>
        <source>Vacation</source>
        <translation>Vacances</translation>
    </message>
</context>
<context>
    <name>BWOverviewSidebar</name>
    <message>
        <source>DUE SOON</source>
        <translation>BIENTÔT DÛ</translation>
    </message>
    <message>
        <source>DUE THIS MONTH</source>
        <translation>DÛ CE MOIS-CI</translation>
    </message>
    <message>
        <source>PAID THIS MONTH</source>
        <translation>PAYÉ CE MOIS-CI</translation>
    </message>
    <message>
        <source>INCOME THIS MONTH</source>
        <translation>REVENUS CE MOIS-CI</translation>
    </message>
    <message>
        <source>STILL DUE THIS MONTH</source>
        <translation>RESTE DÛ</translation>
    </message>
    <message>
        <source>Switch between the expected and the current balance</source>
        <translation>Basculer entre le solde prévu et le solde actuel</translation>
    </message>
    <message>
        <source>Income Sources…</source>
        <translation>Sources de revenus…</translation>
    </message>
    <message>
        <source>TAGS</source>
        <translation>ÉTIQUETTES</translation>
    </message>
    <message>
        <source>Tags, separated by commas</source>
        <translation>Étiquettes, séparées par des virgules</translation>
    </message>
    <message>
        <source>Tip: double-click a bill to open its page, or right-click it for more commands.</source>
        <translation>Astuce : double-cliquez sur une facture pour ouvrir sa page, ou faites un clic droit pour plus de commandes.</translation>
    </message>
    <message>
        <source>Hide Tip</source>
        <translation>Masquer l’astuce</translation>
    </message>
    <message>
        <source>THIS MONTH: %1</source>
        <translation>CE MOIS-CI : %1</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>EXPECTED BALANCE</source>
        <translation>SOLDE PRÉVU</translation>
    </message>
    <message>
        <source>CURRENT BALANCE</source>
        <translation>SOLDE ACTUEL</translation>
    </message>
</context>
<context>
    <name>BWOverviewTableModel</name>
    <message>
        <source>Repeats: %1</source>
        <translation>Récurrence : %1</translation>
    </message>
    <message>
        <source>Paid: %1</source>
        <translation>Payé par : %1</translation>
    </message>
    <message>
        <source>No Due Date</source>
        <translation>Pas d’échéance</translation>
    </message>
    <message>
        <source>(adjusted for vacation)</source>
        <translation>(décalée pour les vacances)</translation>
    </message>
    <message>
        <source>(adjusted for holiday)</source>
        <translation>(décalée pour un jour férié)</translation>
    </message>
    <message>
        <source>(adjusted for weekend)</source>
        <translation>(décalée pour le week-end)</translation>
    </message>
    <message>
        <source>Archived</source>
        <translation>Archivée</translation>
    </message>
    <message>
        <source>Not Set</source>
        <translation>Non défini</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>No Payments</source>
        <translation>Aucun paiement</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Prochaine échéance</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Last Paid</source>
        <translation>Dernier paiement</translation>
    </message>
</context>
<context>
    <name>BWPasswordController</name>
    <message>
        <source>Re-enter Password:</source>
        <translation>Confirmer le mot de passe :</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Save Password</source>
        <translation>Enregistrer le mot de passe</translation>
    </message>
    <message>
        <source>Disable Password</source>
        <translation>Désactiver le mot de passe</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Passwords Don&apos;t Match</source>
        <translation>Les mots de passe ne correspondent pas</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match. Please try again.</source>
        <translation>Les mots de passe ne correspondent pas. Réessayez.</translation>
    </message>
    <message>
        <source>Password Not Saved</source>
        <translation>Mot de passe non enregistré</translation>
    </message>
    <message>
        <source>The password could not be stored in the keyring. Make sure the keyring is running and unlocked, then try again.</source>
        <translation>Le mot de passe n’a pas pu être enregistré dans le trousseau. Vérifiez que le trousseau est lancé et déverrouillé, puis réessayez.</translation>
    </message>
    <message>
        <source>The password protection could not be turned on, as the settings could not be saved. Please try again.</source>
        <translation>La protection par mot de passe n’a pas pu être activée, car les réglages n’ont pas pu être enregistrés. Réessayez.</translation>
    </message>
    <message>
        <source>Password Not Removed</source>
        <translation>Mot de passe non retiré</translation>
    </message>
    <message>
        <source>The password could not be removed from the keyring. Make sure the keyring is running and unlocked, then try again.</source>
        <translation>Le mot de passe n’a pas pu être retiré du trousseau. Vérifiez que le trousseau est lancé et déverrouillé, puis réessayez.</translation>
    </message>
    <message>
        <source>Password Unavailable</source>
        <translation>Mot de passe indisponible</translation>
    </message>
    <message>
        <source>The password could not be read from the keyring. Make sure the keyring is running and unlocked, then try again.</source>
        <translation>Le mot de passe n’a pas pu être lu dans le trousseau. Vérifiez que le trousseau est lancé et déverrouillé, puis réessayez.</translation>
    </message>
    <message>
        <source>Incorrect Password</source>
        <translation>Mot de passe incorrect</translation>
    </message>
    <message>
        <source>Incorrect password. Please try again.</source>
        <translation>Mot de passe incorrect. Réessayez.</translation>
    </message>
    <message>
        <source>Password Not Found</source>
        <translation>Mot de passe introuvable</translation>
    </message>
    <message>
        <source>The password that protected Orvane was not found in the keyring, so password protection is now off. You can set a new password in the Preferences.</source>
        <translation>Le mot de passe qui protégeait Orvane est introuvable dans le trousseau ; la protection par mot de passe est donc désactivée. Vous pouvez définir un nouveau mot de passe dans les réglages.</translation>
    </message>
    <message>
        <source>Keyring Locked</source>
        <translation>Trousseau verrouillé</translation>
    </message>
    <message>
        <source>The keyring that holds the password stays locked, so the password could not be checked. Unlock the keyring when it asks, then try again, or quit.</source>
        <translation>Le trousseau qui contient le mot de passe reste verrouillé ; le mot de passe n’a donc pas pu être vérifié. Déverrouillez le trousseau quand il le demande, puis réessayez, ou quittez.</translation>
    </message>
</context>
<context>
    <name>BWPasswordLock</name>
    <message>
        <source>Disable Password Protection</source>
        <translation>Désactiver la protection par mot de passe</translation>
    </message>
    <message>
        <source>Enable Password Protection</source>
        <translation>Activer la protection par mot de passe</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activée</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivée</translation>
    </message>
</context>
<context>
    <name>BWPaymentLogger</name>
    <message>
        <source>Attach Receipt</source>
        <translation>Joindre un justificatif</translation>
    </message>
    <message>
        <source>Attach</source>
        <translation>Joindre</translation>
    </message>
</context>
<context>
    <name>BWPhoneSync</name>
    <message>
        <source>Turn Off Sync</source>
        <translation>Désactiver la synchronisation</translation>
    </message>
    <message>
        <source>Orvane for phones exchanges no bills with this computer yet.</source>
        <translation>Orvane pour téléphones n’échange encore aucune facture avec cet ordinateur.</translation>
    </message>
    <message>
        <source>Turn On Sync</source>
        <translation>Activer la synchronisation</translation>
    </message>
</context>
<context>
    <name>BWPreferencePanes</name>
    <message>
        <source>%1 (the file is made with the first calendar reminder)</source>
        <translation>%1 (le fichier est créé avec le premier rappel d’agenda)</translation>
    </message>
    <message>
        <source>Start Orvane when I log in</source>
        <translation>Démarrer Orvane à l’ouverture de session</translation>
    </message>
    <message>
        <source>Show Orvane</source>
        <translation>Afficher Orvane</translation>
    </message>
    <message>
        <source>Show Orvane in:</source>
        <translation>Afficher Orvane dans :</translation>
    </message>
    <message>
        <source>Taskbar and tray</source>
        <translation>Barre des tâches et zone de notification</translation>
    </message>
    <message>
        <source>Tray only</source>
        <translation>Zone de notification seulement</translation>
    </message>
    <message>
        <source>Taskbar only</source>
        <translation>Barre des tâches seulement</translation>
    </message>
    <message>
        <source>Takes effect the next time Orvane starts.</source>
        <translation>Prend effet au prochain démarrage d’Orvane.</translation>
    </message>
    <message>
        <source>Show the number of bills due soon in the tray</source>
        <translation>Afficher le nombre de factures bientôt dues dans la zone de notification</translation>
    </message>
    <message>
        <source>Colour the tray icon by the most urgent bill</source>
        <translation>Colorer l’icône selon la facture la plus urgente</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Vue d’ensemble</translation>
    </message>
    <message>
        <source>Bills count as due soon within:</source>
        <translation>Les factures sont bientôt dues dans les :</translation>
    </message>
    <message>
        <source>Columns shown:</source>
        <translation>Colonnes affichées :</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Last Paid</source>
        <translation>Dernier paiement</translation>
    </message>
    <message>
        <source>Pay Sites</source>
        <translation>Sites de paiement</translation>
    </message>
    <message>
        <source>Open pay sites inside Orvane</source>
        <translation>Ouvrir les sites de paiement dans Orvane</translation>
    </message>
    <message>
        <source>Password Protection</source>
        <translation>Protection par mot de passe</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Shared Sync Folder</source>
        <translation>Dossier de synchronisation partagé</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>The shared folder could not be stored.</source>
        <translation>Le dossier partagé n’a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>Sync Between Computers</source>
        <translation>Synchronisation entre ordinateurs</translation>
    </message>
    <message>
        <source>Keep my bills in step on all my computers</source>
        <translation>Synchroniser mes factures sur tous mes ordinateurs</translation>
    </message>
    <message>
        <source>Shared folder:</source>
        <translation>Dossier partagé :</translation>
    </message>
    <message>
        <source>A folder that Syncthing, Nextcloud or Dropbox keeps the same on each computer. Takes effect the next time Orvane starts.</source>
        <translation>Un dossier que Syncthing, Nextcloud ou Dropbox garde identique sur chaque ordinateur. Prend effet au prochain démarrage d’Orvane.</translation>
    </message>
    <message>
        <source>Your bills are kept in:</source>
        <translation>Vos factures sont dans :</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Base de données</translation>
    </message>
    <message>
        <source>Move Database…</source>
        <translation>Déplacer la base de données…</translation>
    </message>
    <message>
        <source>Open Database Elsewhere…</source>
        <translation>Ouvrir une base de données ailleurs…</translation>
    </message>
    <message>
        <source>Keep Database in Dropbox…</source>
        <translation>Garder la base de données dans Dropbox…</translation>
    </message>
    <message>
        <source>Get a Dropbox Account…</source>
        <translation>Créer un compte Dropbox…</translation>
    </message>
    <message>
        <source>Move Back to the Usual Place</source>
        <translation>Ramener à l’emplacement habituel</translation>
    </message>
    <message>
        <source>Restore Yesterday&apos;s Backup…</source>
        <translation>Restaurer la sauvegarde d’hier…</translation>
    </message>
    <message>
        <source>Turn On Sync</source>
        <translation>Activer la synchronisation</translation>
    </message>
    <message>
        <source>Orvane for phones:</source>
        <translation>Orvane pour téléphones :</translation>
    </message>
    <message>
        <source>Delete iCloud Data…</source>
        <translation>Supprimer les données iCloud…</translation>
    </message>
    <message>
        <source>Older sync:</source>
        <translation>Ancienne synchronisation :</translation>
    </message>
    <message>
        <source>Other Sync</source>
        <translation>Autres synchronisations</translation>
    </message>
    <message>
        <source> days before</source>
        <translation> jours avant</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Rappels</translation>
    </message>
    <message>
        <source>Show reminders as desktop notifications</source>
        <translation>Afficher les rappels en notifications du bureau</translation>
    </message>
    <message>
        <source>Also add reminders to my calendar</source>
        <translation>Ajouter aussi les rappels à mon agenda</translation>
    </message>
    <message>
        <source>Calendar:</source>
        <translation>Agenda :</translation>
    </message>
    <message>
        <source>Remind me at:</source>
        <translation>Me rappeler à :</translation>
    </message>
    <message>
        <source>New Bills</source>
        <translation>Nouvelles factures</translation>
    </message>
    <message>
        <source>Turn reminders on for new bills</source>
        <translation>Activer les rappels pour les nouvelles factures</translation>
    </message>
    <message>
        <source>Remind me:</source>
        <translation>Me rappeler :</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>nom@exemple.fr</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>E-mail address for reminders:</source>
        <translation>Adresse e-mail pour les rappels :</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>To see these reminders in a calendar program, subscribe to this file there (in Thunderbird: New Calendar, On the Network, the file&apos;s location).</source>
        <translation>Pour voir ces rappels dans un agenda, abonnez-vous à ce fichier dans ce programme (dans Thunderbird : Nouvel agenda, Sur le réseau, emplacement du fichier).</translation>
    </message>
    <message>
        <source>Calendar File</source>
        <translation>Fichier d’agenda</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trompette</translation>
    </message>
    <message>
        <source>Rings</source>
        <translation>Sonneries</translation>
    </message>
    <message>
        <source>Swell</source>
        <translation>Crescendo</translation>
    </message>
    <message>
        <source>Cheers</source>
        <translation>Acclamations</translation>
    </message>
    <message>
        <source>A random cheer</source>
        <translation>Acclamation au hasard</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Play a sound after a payment is logged</source>
        <translation>Jouer un son après l’enregistrement d’un paiement</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Son :</translation>
    </message>
    <message>
        <source>Payments</source>
        <translation>Paiements</translation>
    </message>
    <message>
        <source>Log automatic bills when they fall due</source>
        <translation>Enregistrer les factures automatiques à leur échéance</translation>
    </message>
    <message>
        <source>Leave automatic bills out of the due-soon count</source>
        <translation>Exclure les factures automatiques du compte des factures bientôt dues</translation>
    </message>
    <message>
        <source>Archive one-time bills once they are paid</source>
        <translation>Archiver les factures ponctuelles une fois payées</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Revenus</translation>
    </message>
    <message>
        <source>Keep track of income</source>
        <translation>Suivre les revenus</translation>
    </message>
    <message>
        <source>Show paydays on the overview</source>
        <translation>Afficher les jours de paie dans la vue d’ensemble</translation>
    </message>
    <message>
        <source>Log income automatically when it is due</source>
        <translation>Enregistrer automatiquement les revenus à leur échéance</translation>
    </message>
    <message>
        <source>Due Dates</source>
        <translation>Échéances</translation>
    </message>
    <message>
        <source>Move due dates that fall on days off</source>
        <translation>Déplacer les échéances tombant un jour chômé</translation>
    </message>
    <message>
        <source>Avoid weekends</source>
        <translation>Éviter les week-ends</translation>
    </message>
    <message>
        <source>Avoid holidays</source>
        <translation>Éviter les jours fériés</translation>
    </message>
    <message>
        <source>Overview and Forecast</source>
        <translation>Vue d’ensemble et prévisions</translation>
    </message>
    <message>
        <source>Under each bill&apos;s name:</source>
        <translation>Sous le nom de chaque facture :</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Récurrence</translation>
    </message>
    <message>
        <source>Payment method</source>
        <translation>Moyen de paiement</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Rien</translation>
    </message>
    <message>
        <source>Button beside the actions menu:</source>
        <translation>Bouton à côté du menu des actions :</translation>
    </message>
    <message>
        <source>Hide bills paid automatically</source>
        <translation>Masquer les factures payées automatiquement</translation>
    </message>
    <message>
        <source>Estimate amounts that vary</source>
        <translation>Estimer les montants variables</translation>
    </message>
    <message>
        <source>Include savings goals in the forecast</source>
        <translation>Inclure les objectifs d’épargne dans les prévisions</translation>
    </message>
    <message>
        <source>Suggest bill names while editing</source>
        <translation>Suggérer des noms de factures pendant la saisie</translation>
    </message>
    <message>
        <source>Reload Overview</source>
        <translation>Recharger la vue d’ensemble</translation>
    </message>
    <message>
        <source>The bill&apos;s last action</source>
        <translation>La dernière action de la facture</translation>
    </message>
    <message>
        <source>Start at Login Not Changed</source>
        <translation>Démarrage à l’ouverture de session inchangé</translation>
    </message>
    <message>
        <source>The login entry could not be written. Please try again.</source>
        <translation>L’entrée de démarrage n’a pas pu être écrite. Réessayez.</translation>
    </message>
</context>
<context>
    <name>BWQtWebPage</name>
    <message>
        <source>its process ended with code %1</source>
        <translation>son processus s’est terminé avec le code %1</translation>
    </message>
    <message>
        <source>its process crashed</source>
        <translation>son processus a planté</translation>
    </message>
    <message>
        <source>its process was killed</source>
        <translation>son processus a été tué</translation>
    </message>
</context>
<context>
    <name>BWRecordTable</name>
    <message>
        <source>Bills</source>
        <translation>Factures</translation>
    </message>
</context>
<context>
    <name>BWReminderManager</name>
    <message>
        <source>Pay %1</source>
        <translation>Payer %1</translation>
    </message>
    <message>
        <source>Bill is due on %1</source>
        <translation>Facture à payer le %1</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Voir</translation>
    </message>
</context>
<context>
    <name>BWReportController</name>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Payments</source>
        <translation>Paiements</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Bills</source>
        <translation>Factures</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Payé</translation>
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
        <translation>Ce bureau n’a pas de zone de notification</translation>
    </message>
    <message>
        <source>Orvane is set to show in the tray only, but this desktop has no tray. Its window stays open instead, and closing it minimises it to the taskbar.</source>
        <translation>Orvane doit s’afficher dans la zone de notification seulement, mais ce bureau n’en a pas. Sa fenêtre reste donc ouverte, et la fermer la réduit dans la barre des tâches.</translation>
    </message>
    <message>
        <source>Really Quit Orvane?</source>
        <translation>Vraiment quitter Orvane ?</translation>
    </message>
    <message>
        <source>Do you want to quit Orvane (and close the menu bar), or just close the main window?</source>
        <translation>Voulez-vous quitter Orvane (et fermer le menu de la zone de notification), ou seulement fermer la fenêtre principale ?</translation>
    </message>
    <message>
        <source>Close the Main Window</source>
        <translation>Fermer la fenêtre principale</translation>
    </message>
    <message>
        <source>Quit Orvane Completely</source>
        <translation>Quitter complètement Orvane</translation>
    </message>
    <message>
        <source>Reminders Could Not Be Saved</source>
        <translation>Les rappels n&apos;ont pas pu être enregistrés</translation>
    </message>
    <message>
        <source>Orvane could not save its reminder notifications (%1). They show while Orvane runs, but may not show after it starts again.</source>
        <translation>Orvane n&apos;a pas pu enregistrer ses rappels (%1). Ils s&apos;affichent tant qu&apos;Orvane fonctionne, mais peut-être plus après son redémarrage.</translation>
    </message>
</context>
<context>
    <name>BWStatisticsCalculator</name>
    <message>
        <source>No Payments Yet</source>
        <translation>Aucun paiement pour l’instant</translation>
    </message>
</context>
<context>
    <name>BWSyncControls</name>
    <message>
        <source>Sync Now</source>
        <translation>Synchroniser</translation>
    </message>
    <message>
        <source>Bring your devices in step now</source>
        <translation>Synchroniser vos appareils maintenant</translation>
    </message>
</context>
<context>
    <name>BWSyncProgressController</name>
    <message>
        <source>Syncing</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>Syncing with Orvane for phones…</source>
        <translation>Synchronisation avec Orvane pour téléphones…</translation>
    </message>
</context>
<context>
    <name>BWUpdateHelper</name>
    <message>
        <source>Check for Updates…</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
</context>
<context>
    <name>BWVacationPopover</name>
    <message>
        <source>Vacation</source>
        <translation>Vacances</translation>
    </message>
    <message>
        <source>Vacation mode</source>
        <translation>Mode vacances</translation>
    </message>
    <message>
        <source>Due dates within your vacation move to the day before it starts.</source>
        <translation>Les échéances pendant vos vacances sont avancées à la veille du départ.</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Du :</translation>
    </message>
    <message>
        <source>Until:</source>
        <translation>Au :</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>BWVersion7ImportWindow</name>
    <message>
        <source>Orvane 7 Import Options</source>
        <translation>Options d’importation d’Orvane 7</translation>
    </message>
    <message>
        <source>Import the bills, archived bills and receipts that Orvane 7 kept in your home folder, or keep your bills in step on all your computers.</source>
        <translation>Importez les factures, factures archivées et justificatifs qu’Orvane 7 gardait dans votre dossier personnel, ou synchronisez vos factures sur tous vos ordinateurs.</translation>
    </message>
    <message>
        <source>Import from Home Folder…</source>
        <translation>Importer depuis le dossier personnel…</translation>
    </message>
    <message>
        <source>Keep my bills in step on all my computers</source>
        <translation>Synchroniser mes factures sur tous mes ordinateurs</translation>
    </message>
    <message>
        <source>Re-Import at Next Start…</source>
        <translation>Réimporter au prochain démarrage…</translation>
    </message>
</context>
<context>
    <name>BWWebEngine</name>
    <message>
        <source>Its helper program %1 is missing.</source>
        <translation>Son programme d’assistance %1 est absent.</translation>
    </message>
</context>
<context>
    <name>BWWebEngineLoader</name>
    <message>
        <source>Its module could not be loaded (%1).</source>
        <translation>Son module n’a pas pu être chargé (%1).</translation>
    </message>
    <message>
        <source>Its module has no entry point (%1).</source>
        <translation>Son module n’a pas de point d’entrée (%1).</translation>
    </message>
    <message>
        <source>Save “%1” in your Downloads folder?</source>
        <translation>Enregistrer « %1 » dans votre dossier Téléchargements ?</translation>
    </message>
    <message>
        <source>The pay site sent a file. It goes to %1.</source>
        <translation>Le site de paiement a envoyé un fichier. Il va dans %1.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Ne pas enregistrer</translation>
    </message>
</context>
<context>
    <name>BWWebPane</name>
    <message>
        <source>Not opened: %1 is not a web page (only http and https addresses open here)</source>
        <translation>Non ouvert : %1 n’est pas une page web (seules les adresses http et https s’ouvrent ici)</translation>
    </message>
    <message>
        <source>Stopped: the certificate of %1 is not valid (%2)</source>
        <translation>Arrêté : le certificat de %1 n’est pas valide (%2)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Ouvrir dans le navigateur</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>This copy of Orvane has no web engine.</source>
        <translation>Cette copie d’Orvane n’a pas de moteur web.</translation>
    </message>
    <message>
        <source>The built-in browser could not start. %1
Pay sites open in your web browser instead.</source>
        <translation>Le navigateur intégré n’a pas pu démarrer. %1
Les sites de paiement s’ouvrent à la place dans votre navigateur web.</translation>
    </message>
    <message>
        <source>The page stopped: %1</source>
        <translation>La page s’est arrêtée : %1</translation>
    </message>
</context>
<context>
    <name>BWWelcomeFlow</name>
    <message>
        <source>Last Backed Up: </source>
        <translation>Dernière sauvegarde : </translation>
    </message>
    <message>
        <source>Nothing to Import</source>
        <translation>Rien à importer</translation>
    </message>
    <message>
        <source>No Orvane 7 bills were found.</source>
        <translation>Aucune facture d’Orvane 7 n’a été trouvée.</translation>
    </message>
    <message>
        <source>Select Home Folder</source>
        <translation>Sélectionner le dossier personnel</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>No Orvane 7 Data Found</source>
        <translation>Aucune donnée d’Orvane 7 trouvée</translation>
    </message>
    <message>
        <source>This home folder holds no Orvane 7 data folder.</source>
        <translation>Ce dossier personnel ne contient aucun dossier de données d’Orvane 7.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Base de données</translation>
    </message>
    <message>
        <source>Restore Backup…</source>
        <translation>Restaurer une sauvegarde…</translation>
    </message>
    <message>
        <source>Show Database Folder</source>
        <translation>Afficher le dossier de la base de données</translation>
    </message>
    <message>
        <source>Move Database…</source>
        <translation>Déplacer la base de données…</translation>
    </message>
    <message>
        <source>Open Database Elsewhere…</source>
        <translation>Ouvrir une base de données ailleurs…</translation>
    </message>
    <message>
        <source>Keep Database in Dropbox…</source>
        <translation>Garder la base de données dans Dropbox…</translation>
    </message>
    <message>
        <source>Move Database Back to Its Usual Place</source>
        <translation>Ramener la base de données à son emplacement habituel</translation>
    </message>
    <message>
        <source>Compact Database</source>
        <translation>Compacter la base de données</translation>
    </message>
    <message>
        <source>Rebuild Tag List</source>
        <translation>Reconstruire la liste des étiquettes</translation>
    </message>
    <message>
        <source>Orvane 4 Data…</source>
        <translation>Données d’Orvane 4…</translation>
    </message>
    <message>
        <source>Orvane 4 Data from a Folder…</source>
        <translation>Données d’Orvane 4 depuis un dossier…</translation>
    </message>
    <message>
        <source>Orvane 7 Import Options…</source>
        <translation>Options d’importation d’Orvane 7…</translation>
    </message>
    <message>
        <source>Guides and Help Pages</source>
        <translation>Guides et pages d’aide</translation>
    </message>
    <message>
        <source>Orvane Manual</source>
        <translation>Manuel d’Orvane</translation>
    </message>
    <message>
        <source>User Manual</source>
        <translation>Manuel d’utilisation</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>Nouveautés</translation>
    </message>
    <message>
        <source>Forecast Help</source>
        <translation>Aide sur les prévisions</translation>
    </message>
    <message>
        <source>Sync Help</source>
        <translation>Aide sur la synchronisation</translation>
    </message>
    <message>
        <source>E-mail Reminders</source>
        <translation>Rappels par e-mail</translation>
    </message>
    <message>
        <source>Orvane for Phones</source>
        <translation>Orvane pour téléphones</translation>
    </message>
    <message>
        <source>Report a Bug</source>
        <translation>Signaler un bogue</translation>
    </message>
    <message>
        <source>Support Site</source>
        <translation>Site d’assistance</translation>
    </message>
    <message>
        <source>Quick Start Guide</source>
        <translation>Guide de démarrage rapide</translation>
    </message>
    <message>
        <source>Migration Guide</source>
        <translation>Guide de migration</translation>
    </message>
</context>
<context>
    <name>BWWelcomeSheet</name>
    <message>
        <source>Welcome to Orvane</source>
        <translation>Bienvenue dans Orvane</translation>
    </message>
    <message>
        <source>Orvane keeps your recurring bills and income in order: when each falls due, what you paid, and what is coming up. It reminds you before a bill is due and backs up your data every day.</source>
        <translation>Orvane garde vos factures et revenus réguliers en ordre : l’échéance de chacun, ce que vous avez payé et ce qui arrive. Il vous prévient avant l’échéance d’une facture et sauvegarde vos données chaque jour.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Orvane for phones is on its way. Sign up to hear when you can keep your bills with you.</source>
        <translation>Orvane pour téléphones arrive bientôt. Inscrivez-vous pour savoir quand vous pourrez garder vos factures sur vous.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Pas maintenant</translation>
    </message>
    <message>
        <source>Sign Up and Continue</source>
        <translation>S’inscrire et continuer</translation>
    </message>
    <message>
        <source>Used Orvane 7 before? Orvane can take over its bills, with their payments and reminders.</source>
        <translation>Vous utilisiez Orvane 7 ? Orvane peut reprendre ses factures, avec leurs paiements et leurs rappels.</translation>
    </message>
    <message>
        <source>Import Orvane 7 Bills</source>
        <translation>Importer les factures d’Orvane 7</translation>
    </message>
    <message>
        <source>More Import Options…</source>
        <translation>Autres options d’importation…</translation>
    </message>
    <message>
        <source>Start Using Orvane</source>
        <translation>Commencer avec Orvane</translation>
    </message>
</context>
<context>
    <name>BWWindowController</name>
    <message>
        <source>Show Overview</source>
        <translation>Afficher la vue d’ensemble</translation>
    </message>
    <message>
        <source>Pay Bill</source>
        <translation>Payer la facture</translation>
    </message>
    <message>
        <source>Log Payment</source>
        <translation>Enregistrer le paiement</translation>
    </message>
    <message>
        <source>Quick Log</source>
        <translation>Enregistrement rapide</translation>
    </message>
    <message>
        <source>Skip Payment</source>
        <translation>Sauter le paiement</translation>
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
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>Current Month</source>
        <translation>Mois en cours</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>dim.</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>lun.</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>mar.</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>mer.</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>jeu.</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>ven.</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>sam.</translation>
    </message>
</context>
<context>
    <name>MGPreferencePanel</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Rappels</translation>
    </message>
    <message>
        <source>Logging</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Revenus</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Choose a Receipt</source>
        <translation>Choisir un justificatif</translation>
    </message>
    <message>
        <source>Every Week</source>
        <translation>Chaque semaine</translation>
    </message>
    <message>
        <source>Twice a Month</source>
        <translation>Deux fois par mois</translation>
    </message>
    <message>
        <source>Every Month</source>
        <translation>Chaque mois</translation>
    </message>
    <message>
        <source>Every 3 Months</source>
        <translation>Tous les 3 mois</translation>
    </message>
    <message>
        <source>Every 6 Months</source>
        <translation>Tous les 6 mois</translation>
    </message>
    <message>
        <source>Every Year</source>
        <translation>Chaque année</translation>
    </message>
    <message>
        <source>Custom…</source>
        <translation>Personnalisé…</translation>
    </message>
    <message>
        <source>Never (One Time)</source>
        <translation>Jamais (une seule fois)</translation>
    </message>
    <message>
        <source>Every 2 Months</source>
        <translation>Tous les 2 mois</translation>
    </message>
    <message>
        <source>Every 2 Weeks</source>
        <translation>Toutes les 2 semaines</translation>
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
        <translation>jours</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>semaines</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>mois</translation>
    </message>
    <message>
        <source>Quarterly tax dates</source>
        <translation>Quarterly tax dates</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Orvane Cloud</source>
        <translation>Orvane Cloud</translation>
    </message>
    <message>
        <source>No Web Browser Could Be Started</source>
        <translation>Aucun navigateur web n’a pu être lancé</translation>
    </message>
    <message>
        <source>Orvane could not open %1. Check that the desktop has a default web browser.</source>
        <translation>Orvane n’a pas pu ouvrir %1. Vérifiez que le bureau a un navigateur web par défaut.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Orvane cannot find its data folder.</source>
        <translation>Orvane ne trouve pas son dossier de données.</translation>
    </message>
    <message>
        <source>The folder %1 chosen for Orvane&apos;s database cannot be found. Until it is back, or another place is chosen, Orvane shows no bills and saves no changes.</source>
        <translation>Le dossier %1 choisi pour la base de données d’Orvane est introuvable. Tant qu’il n’est pas revenu ou qu’un autre emplacement n’est pas choisi, Orvane n’affiche aucune facture et n’enregistre aucune modification.</translation>
    </message>
    <message>
        <source>Orvane is already running.</source>
        <translation>Orvane est déjà lancé.</translation>
    </message>
    <message>
        <source>Another copy of Orvane is using the database %1. Quit it before starting Orvane again.</source>
        <translation>Une autre copie d’Orvane utilise la base de données %1. Quittez-la avant de relancer Orvane.</translation>
    </message>
    <message>
        <source>Orvane cannot read its data folder.</source>
        <translation>Orvane ne peut pas lire son dossier de données.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read. Check its permissions; until then Orvane shows no bills and saves no changes.</source>
        <translation>Le dossier %1 ne peut pas être lu. Vérifiez ses autorisations ; d’ici là, Orvane n’affiche aucune facture et n’enregistre aucune modification.</translation>
    </message>
    <message>
        <source>A Setting Could Not Be Read</source>
        <translation>Un réglage n’a pas pu être lu</translation>
    </message>
    <message>
        <source>Orvane could not read the setting %1 in %2; it uses the default.</source>
        <translation>Orvane n’a pas pu lire le réglage %1 dans %2 ; il utilise la valeur par défaut.</translation>
    </message>
</context>
</TS>
