<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Mervex</name>
    <message>
        <source>[MERVEX] Standard Controls</source>
        <translation>[MERVEX] Contrôles standard</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Médias</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Vol -</source>
        <translation>Vol -</translation>
    </message>
    <message>
        <source>Vol +</source>
        <translation>Vol +</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Microphone mute</source>
        <translation>Micro muet</translation>
    </message>
    <message>
        <source>Microphone volume</source>
        <translation>Volume du micro</translation>
    </message>
    <message>
        <source>CPU load</source>
        <translation>Charge CPU</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Memory load</source>
        <translation>Charge mémoire</translation>
    </message>
    <message>
        <source>Memory used</source>
        <translation>Mémoire utilisée</translation>
    </message>
    <message>
        <source>Memory free</source>
        <translation>Mémoire libre</translation>
    </message>
    <message>
        <source>Processes</source>
        <translation>Processus</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>Editing</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Fenêtres</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Basculer</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Bureau</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>New tab</source>
        <translation>Nouvel onglet</translation>
    </message>
    <message>
        <source>Close tab</source>
        <translation>Fermer l'onglet</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Tâches</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Basics</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dim</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mer</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sam</translation>
    </message>
    <message>
        <source>Sends a key or a shortcut to the PC.</source>
        <translation>Envoie une touche ou un raccourci au PC.</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Raccourci</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icône</translation>
    </message>
    <message>
        <source>Presses a shortcut or plays a macro on the PC: pick one in the Action list.</source>
        <translation>Appuie sur un raccourci ou joue une macro sur le PC : choisissez-en un dans la liste Action.</translation>
    </message>
    <message>
        <source>A picture of your own. Its tiling keeps the corners sharp when it is stretched.</source>
        <translation>Une image de votre choix. Son découpage garde les coins nets quand elle est étirée.</translation>
    </message>
    <message>
        <source>Tiling</source>
        <translation>Découpage</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Shows and sets a volume of the PC.</source>
        <translation>Affiche et règle un volume du PC.</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Mutes and unmutes the PC; shows the current state.</source>
        <translation>Coupe et rétablit le son du PC ; affiche l'état actuel.</translation>
    </message>
    <message>
        <source>Mutes and unmutes the microphone.</source>
        <translation>Coupe et rétablit le micro.</translation>
    </message>
    <message>
        <source>A live load bar of the PC.</source>
        <translation>Une barre de charge du PC en direct.</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>The memory load of the PC.</source>
        <translation>La charge mémoire du PC.</translation>
    </message>
    <message>
        <source>A live figure of the PC.</source>
        <translation>Une valeur du PC en direct.</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>A tile with a text of your own.</source>
        <translation>Une tuile avec votre propre texte.</translation>
    </message>
    <message>
        <source>Time and date of the PC.</source>
        <translation>Heure et date du PC.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The message box of control scripts.</source>
        <translation>La boîte de message des scripts de contrôle.</translation>
    </message>
    <message>
        <source>News Feed</source>
        <translation>Flux d'actualités</translation>
    </message>
    <message>
        <source>RSS and Atom feeds for the news controls</source>
        <translation>Flux RSS et Atom pour les contrôles d'actualités</translation>
    </message>
    <message>
        <source>Feed addresses</source>
        <translation>Adresses des flux</translation>
    </message>
    <message>
        <source>Read news feeds</source>
        <translation>Lire les flux d'actualités</translation>
    </message>
    <message>
        <source>Feeds</source>
        <translation>Flux</translation>
    </message>
    <message>
        <source>TEST FEEDS</source>
        <translation>TESTER LES FLUX</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Your mailbox for the mail controls</source>
        <translation>Votre boîte aux lettres pour les contrôles de messagerie</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Check for new mail</source>
        <translation>Vérifier les nouveaux messages</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocole</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sécurité</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nom d'utilisateur</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>TEST CONNECTION</source>
        <translation>TESTER LA CONNEXION</translation>
    </message>
    <message>
        <source>Reading mail</source>
        <translation>Lecture du courrier</translation>
    </message>
    <message>
        <source>Open with</source>
        <translation>Ouvrir avec</translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>Your news feed for the social controls</source>
        <translation>Votre fil d'actualité pour les contrôles sociaux</translation>
    </message>
    <message>
        <source>Read the news feed</source>
        <translation>Lire le fil d'actualité</translation>
    </message>
    <message>
        <source>LOG IN</source>
        <translation>CONNEXION</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Status updates</source>
        <translation>Statuts</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Liens</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Vidéos</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Twitter</source>
        <translation>Twitter</translation>
    </message>
    <message>
        <source>Your timeline for the social controls</source>
        <translation>Votre fil pour les contrôles sociaux</translation>
    </message>
    <message>
        <source>Read the timeline</source>
        <translation>Lire le fil</translation>
    </message>
    <message>
        <source>Skype</source>
        <translation>Skype</translation>
    </message>
    <message>
        <source>Chat messages for the chat controls</source>
        <translation>Messages de chat pour les contrôles de chat</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Show chat messages</source>
        <translation>Afficher les messages de chat</translation>
    </message>
    <message>
        <source>CONNECT</source>
        <translation>CONNECTER</translation>
    </message>
    <message>
        <source>TeamSpeak</source>
        <translation>TeamSpeak</translation>
    </message>
    <message>
        <source>Voice chat events for the chat controls</source>
        <translation>Événements du chat vocal pour les contrôles de chat</translation>
    </message>
    <message>
        <source>Follow the voice chat</source>
        <translation>Suivre le chat vocal</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Chat messages</source>
        <translation>Messages de chat</translation>
    </message>
    <message>
        <source>Users who join</source>
        <translation>Utilisateurs qui arrivent</translation>
    </message>
    <message>
        <source>Users who leave</source>
        <translation>Utilisateurs qui partent</translation>
    </message>
</context>
</TS>
