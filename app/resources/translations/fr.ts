<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AVInput</name>
    <message>
        <source>%1 cannot be opened (%2).</source>
        <translation>Impossible d’ouvrir %1 (%2).</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2).</source>
        <translation>Impossible de lire %1 (%2).</translation>
    </message>
    <message>
        <source>%1 has no sound.</source>
        <translation>%1 ne contient pas de son.</translation>
    </message>
    <message>
        <source>%1 has no video.</source>
        <translation>%1 ne contient pas de vidéo.</translation>
    </message>
    <message>
        <source>%1 uses a format that cannot be decoded.</source>
        <translation>%1 utilise un format qui ne peut pas être décodé.</translation>
    </message>
    <message>
        <source>%1 cannot be decoded (%2).</source>
        <translation>Impossible de décoder %1 (%2).</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>Impossible de lire %1.</translation>
    </message>
    <message>
        <source>%1 cannot be opened as a picture.</source>
        <translation>Impossible d’ouvrir %1 comme image.</translation>
    </message>
    <message>
        <source>Out of memory for %1.</source>
        <translation>Mémoire insuffisante pour %1.</translation>
    </message>
</context>
<context>
    <name>AVOutput</name>
    <message>
        <source>No H.264 encoder is available.</source>
        <translation>Aucun encodeur H.264 n’est disponible.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Mémoire insuffisante.</translation>
    </message>
    <message>
        <source>The video encoder cannot start (%1).</source>
        <translation>Impossible de démarrer l’encodeur vidéo (%1).</translation>
    </message>
    <message>
        <source>No AAC encoder is available.</source>
        <translation>Aucun encodeur AAC n’est disponible.</translation>
    </message>
    <message>
        <source>The audio encoder cannot start (%1).</source>
        <translation>Impossible de démarrer l’encodeur audio (%1).</translation>
    </message>
    <message>
        <source>The video settings are not usable.</source>
        <translation>Les paramètres de la vidéo ne sont pas utilisables.</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2).</source>
        <translation>Impossible d’écrire %1 (%2).</translation>
    </message>
    <message>
        <source>The video header cannot be written (%1).</source>
        <translation>Impossible d’écrire l’en-tête de la vidéo (%1).</translation>
    </message>
    <message>
        <source>The video cannot be encoded (%1).</source>
        <translation>Impossible d’encoder la vidéo (%1).</translation>
    </message>
    <message>
        <source>The video file cannot be written (%1).</source>
        <translation>Impossible d’écrire le fichier vidéo (%1).</translation>
    </message>
    <message>
        <source>The video file is not open.</source>
        <translation>Le fichier vidéo n’est pas ouvert.</translation>
    </message>
    <message>
        <source>A frame without a usable time base (%1/%2) cannot be written.</source>
        <translation>Impossible d’écrire une image sans base de temps utilisable (%1/%2).</translation>
    </message>
    <message>
        <source>The music cannot be converted.</source>
        <translation>Impossible de convertir la musique.</translation>
    </message>
    <message>
        <source>The end of the video file cannot be written (%1).</source>
        <translation>Impossible d’écrire la fin du fichier vidéo (%1).</translation>
    </message>
</context>
<context>
    <name>AudioFileForm</name>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>BaseDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>DoneBackBtnsForm</name>
    <message>
        <source>Back to </source>
        <translation>Retour à </translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>DoneForm</name>
    <message>
        <source>Play Video</source>
        <translation>Lire la vidéo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Your video is ready to play.</source>
        <translation>Votre vidéo est prête.</translation>
    </message>
    <message>
        <source>Click button below to show file.</source>
        <translation>Cliquez sur le bouton ci-dessous pour afficher le fichier.</translation>
    </message>
    <message>
        <source>Open Folder with Video</source>
        <translation>Ouvrir le dossier de la vidéo</translation>
    </message>
    <message>
        <source>Share your video on</source>
        <translation>Partagez votre vidéo sur</translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>YouTube</source>
        <translation>YouTube</translation>
    </message>
    <message>
        <source>Vimeo</source>
        <translation>Vimeo</translation>
    </message>
    <message>
        <source>Questions or ideas? &lt;a href=&quot;%1&quot; style=&quot;color: #0099ff;&quot;&gt;Contact us&lt;/a&gt;</source>
        <translation>Des questions ou des idées ? &lt;a href=&quot;%1&quot; style=&quot;color: #0099ff;&quot;&gt;Contactez-nous&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>DownloadingThemeForm</name>
    <message>
        <source>Downloading theme</source>
        <translation>Téléchargement du thème</translation>
    </message>
    <message>
        <source>Downloading theme&apos;s files from internet.</source>
        <translation>Téléchargement des fichiers du thème depuis Internet.</translation>
    </message>
    <message>
        <source>Depending on your internet connection speed</source>
        <translation>Selon la vitesse de votre connexion Internet,</translation>
    </message>
    <message>
        <source>it can take up to few minutes.</source>
        <translation>cela peut prendre quelques minutes.</translation>
    </message>
    <message>
        <source>This files will be downloaded only once.</source>
        <translation>Ces fichiers ne sont téléchargés qu’une seule fois.</translation>
    </message>
</context>
<context>
    <name>DroppedFiles</name>
    <message>
        <source>not a file on this computer</source>
        <translation>pas un fichier de cet ordinateur</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>introuvable</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>not a kind of photo that can be opened</source>
        <translation>pas un type de photo qui peut être ouvert</translation>
    </message>
    <message>
        <source>a folder without photos</source>
        <translation>un dossier sans photos</translation>
    </message>
    <message>
        <source>a folder without music</source>
        <translation>un dossier sans musique</translation>
    </message>
</context>
<context>
    <name>H264Render</name>
    <message>
        <source>The video could not be made.</source>
        <translation>Impossible de créer la vidéo.</translation>
    </message>
    <message>
        <source>There is nothing to render.</source>
        <translation>Aucun contenu pour créer la vidéo.</translation>
    </message>
    <message>
        <source>The video file could not be written.</source>
        <translation>Impossible d’écrire le fichier vidéo.</translation>
    </message>
    <message>
        <source>The theme has no scene %1.</source>
        <translation>Le thème n’a pas de scène %1.</translation>
    </message>
    <message>
        <source>Scene %1 is of an unknown kind (%2).</source>
        <translation>La scène %1 est d’un type inconnu (%2).</translation>
    </message>
    <message>
        <source>Scene %1 has an unknown kind of background (%2).</source>
        <translation>La scène %1 a un arrière-plan d’un type inconnu (%2).</translation>
    </message>
    <message>
        <source>The background of scene %1 cannot be read: %2</source>
        <translation>Impossible de lire l’arrière-plan de la scène %1 : %2</translation>
    </message>
    <message>
        <source>Scene %1 cannot be prepared: %2</source>
        <translation>Impossible de préparer la scène %1 : %2</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>%1 could not be opened.</source>
        <translation>Impossible d’ouvrir %1.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Skip Audio</source>
        <translation>Passer la musique</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Back to Themes</source>
        <translation>Retour aux thèmes</translation>
    </message>
    <message>
        <source>Back to Music</source>
        <translation>Retour à la musique</translation>
    </message>
    <message>
        <source>Make Video</source>
        <translation>Créer la vidéo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>This project cannot be read; it is left as it is.</source>
        <translation>Impossible de lire ce projet ; il reste tel quel.</translation>
    </message>
    <message>
        <source>Missed audio file will be skipped.</source>
        <translation>Le fichier audio manquant sera ignoré.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The video could not be made: %1</source>
        <translation>Impossible de créer la vidéo : %1</translation>
    </message>
    <message>
        <source>The theme &quot;%1&quot; cannot be read (%2). Please choose another theme.</source>
        <translation>Le thème « %1 » ne peut pas être lu (%2). Veuillez choisir un autre thème.</translation>
    </message>
    <message>
        <source>Skip them</source>
        <translation>Les ignorer</translation>
    </message>
    <message>
        <source>Look for them</source>
        <translation>Les chercher</translation>
    </message>
    <message>
        <source>Missing pictures</source>
        <translation>Images manquantes</translation>
    </message>
    <message>
        <source>Pictures of this project that are no longer where they were: %1. Look for them in a folder and its subfolders?</source>
        <translation>Images de ce projet qui ne sont plus là où elles étaient : %1. Les chercher dans un dossier et ses sous-dossiers ?</translation>
    </message>
    <message>
        <source>Where are the pictures now?</source>
        <translation>Où sont les images maintenant ?</translation>
    </message>
    <message>
        <source>The project could not be saved with the pictures found.</source>
        <translation>Le projet n’a pas pu être enregistré avec les images trouvées.</translation>
    </message>
    <message>
        <source>%1 of %2 missing pictures were found.</source>
        <translation>%1 des %2 images manquantes ont été trouvées.</translation>
    </message>
    <message>
        <source>Not found, so left out: %1</source>
        <translation>Introuvables, donc omises : %1</translation>
    </message>
    <message>
        <source>In that folder more than once, so left out: %1</source>
        <translation>Plusieurs fois dans ce dossier, donc omises : %1</translation>
    </message>
    <message>
        <source>The theme&apos;s videos are still being downloaded; the preview can play once they are here.</source>
        <translation>Les vidéos du thème sont encore en cours de téléchargement ; l’aperçu pourra être lu dès qu’elles seront là.</translation>
    </message>
    <message>
        <source>There is nothing to preview yet: add photos or text scenes.</source>
        <translation>Rien à prévisualiser pour l’instant : ajoutez des photos ou des scènes de texte.</translation>
    </message>
</context>
<context>
    <name>MediaVerticalSeparator</name>
    <message>
        <source>You have more content than your music track duration. Photos and text scenes under this line will be excluded from video.</source>
        <translation>Votre contenu dure plus longtemps que la musique. Les photos et scènes de texte sous cette ligne seront exclues de la vidéo.</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… et %n autre</numerusform>
            <numerusform>… et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>This was not added:
%1</source>
        <translation>Ceci n’a pas été ajouté :
%1</translation>
    </message>
    <message>
        <source>These were not added:
%1</source>
        <translation>Ceux-ci n’ont pas été ajoutés :
%1</translation>
    </message>
</context>
<context>
    <name>PreviewDialog</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Preview of the slideshow</source>
        <translation>Aperçu du diaporama</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
</context>
<context>
    <name>PrjManager</name>
    <message>
        <source>1 slide of an unknown kind was left out.</source>
        <translation>1 diapositive d’un type inconnu a été ignorée.</translation>
    </message>
    <message>
        <source>%1 slides of an unknown kind were left out.</source>
        <translation>%1 diapositives d’un type inconnu ont été ignorées.</translation>
    </message>
    <message>
        <source>There is no project to save.</source>
        <translation>Il n’y a aucun projet à enregistrer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a project.</source>
        <translation>« %1 » n’est pas un projet.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>The project in %1 cannot be read; it is left as it is.</source>
        <translation>Impossible de lire le projet dans %1 ; il reste tel quel.</translation>
    </message>
    <message>
        <source>The project could not be saved in %1.</source>
        <translation>Impossible d’enregistrer le projet dans %1.</translation>
    </message>
    <message>
        <source>%1 is neither a project id nor a project folder.</source>
        <translation>%1 n’est ni un identifiant de projet ni un dossier de projet.</translation>
    </message>
    <message>
        <source>There is no project %1 in %2.</source>
        <translation>Il n’y a pas de projet %1 dans %2.</translation>
    </message>
</context>
<context>
    <name>ProjectForm</name>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Delete Project</source>
        <translation>Supprimer le projet</translation>
    </message>
    <message>
        <source>Untitled project</source>
        <translation>Projet sans titre</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Slides</source>
        <translation>Diapositives</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 is missing.</source>
        <translation>%1 est introuvable.</translation>
    </message>
    <message>
        <source>%1 is not an H.264 video.</source>
        <translation>%1 n’est pas une vidéo H.264.</translation>
    </message>
    <message>
        <source>%1 holds no frames.</source>
        <translation>%1 ne contient aucune image.</translation>
    </message>
</context>
<context>
    <name>RenderProgressForm</name>
    <message>
        <source>Making Video</source>
        <translation>Création de la vidéo</translation>
    </message>
    <message>
        <source>%1 so far</source>
        <translation>%1 écoulé</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>environ %1 restant</translation>
    </message>
</context>
<context>
    <name>RenderWorker</name>
    <message>
        <source>The video cannot be written in %1: %2</source>
        <translation>Impossible d’écrire la vidéo dans %1 : %2</translation>
    </message>
    <message>
        <source>%1 appeared during the render and is kept; the new video was not saved.</source>
        <translation>%1 est apparu pendant la création et est conservé ; la nouvelle vidéo n’a pas été enregistrée.</translation>
    </message>
    <message>
        <source>The video could not be saved as %1: %2</source>
        <translation>Impossible d’enregistrer la vidéo sous %1 : %2</translation>
    </message>
    <message>
        <source>The unfinished file %1 could not be removed.</source>
        <translation>Impossible de supprimer le fichier inachevé %1.</translation>
    </message>
    <message>
        <source>The video is larger than this system allows: a file may hold at most %1 here (%2).</source>
        <translation>La vidéo est plus grande que ce que ce système permet : un fichier peut faire au plus %1 ici (%2).</translation>
    </message>
    <message>
        <source>The folder %1, or the unfinished video in it, was removed during the render.</source>
        <translation>Le dossier %1, ou la vidéo inachevée qu’il contenait, a été supprimé pendant la création.</translation>
    </message>
</context>
<context>
    <name>SelectAudioForm</name>
    <message>
        <source>Your theme</source>
        <translation>Votre thème</translation>
    </message>
    <message>
        <source>Add Background Music</source>
        <translation>Ajouter une musique de fond</translation>
    </message>
    <message>
        <source>Choose Music Files</source>
        <translation>Choisir des fichiers audio</translation>
    </message>
    <message>
        <source>Background Music</source>
        <translation>Musique de fond</translation>
    </message>
    <message>
        <source>Add More Music</source>
        <translation>Ajouter d’autres musiques</translation>
    </message>
    <message>
        <source>Skip Audio</source>
        <translation>Passer la musique</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read as music and was not added.</source>
        <translation>« %1 » n’a pas pu être lu comme musique et n’a pas été ajouté.</translation>
    </message>
    <message>
        <source>These files cannot be read as music and were not added:
%1</source>
        <translation>Ces fichiers n’ont pas pu être lus comme musique et n’ont pas été ajoutés :
%1</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Ouvrir un fichier audio</translation>
    </message>
    <message>
        <source>(*.mp3 *.m4a)</source>
        <translation>(*.mp3 *.m4a)</translation>
    </message>
    <message>
        <source>cannot be read as music</source>
        <translation>ne peut pas être lu comme musique</translation>
    </message>
    <message>
        <source>MP3 or M4A files play one after another under your slides. Choose them, or drop them here.</source>
        <translation>Les fichiers MP3 ou M4A sont joués l’un après l’autre sous vos diapositives. Choisissez-les ou déposez-les ici.</translation>
    </message>
</context>
<context>
    <name>SelectImagesForm</name>
    <message>
        <source>Add Images</source>
        <translation>Ajouter des images</translation>
    </message>
    <message>
        <source>Add Folder with Images</source>
        <translation>Ajouter un dossier d’images</translation>
    </message>
    <message>
        <source>Add Text Scene</source>
        <translation>Ajouter une scène de texte</translation>
    </message>
    <message>
        <source>Add music</source>
        <translation>Ajouter de la musique</translation>
    </message>
    <message>
        <source>Audio Files</source>
        <translation>fichiers audio</translation>
    </message>
    <message>
        <source>Missed image files will be skipped.</source>
        <translation>Les fichiers image manquants seront ignorés.</translation>
    </message>
    <message>
        <source>Import Image Files</source>
        <translation>Importer des fichiers image</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Add photos and text scenes, or drop photos and folders here: they play in the order you give them.</source>
        <translation>Ajoutez des photos et des scènes de texte, ou déposez ici des photos et des dossiers : elles défilent dans l’ordre choisi.</translation>
    </message>
</context>
<context>
    <name>SelectThemeForm</name>
    <message>
        <source>My Recent Projects</source>
        <translation>Mes projets récents</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>Tout afficher</translation>
    </message>
    <message>
        <source>Hide all</source>
        <translation>Tout masquer</translation>
    </message>
    <message>
        <source>Select Theme</source>
        <translation>Choisissez un thème</translation>
    </message>
    <message>
        <source>Subscribe for new Themes and Updates</source>
        <translation>Abonnez-vous aux nouveaux thèmes et mises à jour</translation>
    </message>
    <message>
        <source>Follow us</source>
        <translation>Suivez-nous</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete Project</source>
        <translation>Supprimer le projet</translation>
    </message>
    <message>
        <source>The project will be removed from this computer. This cannot be undone.</source>
        <translation>Le projet sera supprimé de cet ordinateur. Cette action est irréversible.</translation>
    </message>
    <message>
        <source>The project could not be deleted.</source>
        <translation>Impossible de supprimer le projet.</translation>
    </message>
</context>
<context>
    <name>SettingsForm</name>
    <message>
        <source>Video settings</source>
        <translation>Paramètres de la vidéo</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>Qualité vidéo</translation>
    </message>
    <message>
        <source>HD (1280x720)</source>
        <translation>HD (1280×720)</translation>
    </message>
    <message>
        <source>Full HD (1920x1080)</source>
        <translation>Full HD (1920×1080)</translation>
    </message>
    <message>
        <source>Result Directory</source>
        <translation>Dossier de destination</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Add Pictavio logo at the end of the video</source>
        <translation>Ajouter le logo Pictavio à la fin de la vidéo</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
</context>
<context>
    <name>SlideForm</name>
    <message>
        <source>Turn left</source>
        <translation>Pivoter à gauche</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Pivoter à droite</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>This picture cannot be read; it is left out of the video.</source>
        <translation>Impossible de lire cette image ; elle ne figurera pas dans la vidéo.</translation>
    </message>
    <message>
        <source>Delete removes the slide; [ and ] turn the picture.</source>
        <translation>Suppr retire la diapositive ; [ et ] font pivoter l’image.</translation>
    </message>
    <message>
        <source>Delete removes the slide; Enter edits the text.</source>
        <translation>Suppr retire la diapositive ; Entrée modifie le texte.</translation>
    </message>
    <message>
        <source>Ctrl+Left and Ctrl+Right move the slide.</source>
        <translation>Ctrl+Flèche gauche et Ctrl+Flèche droite déplacent la diapositive.</translation>
    </message>
</context>
<context>
    <name>Slideshow</name>
    <message>
        <source>Its theme &quot;%1&quot; cannot be read (%2).</source>
        <translation>Son thème « %1 » ne peut pas être lu (%2).</translation>
    </message>
</context>
<context>
    <name>TextSceneDialog</name>
    <message>
        <source>Text Scene</source>
        <translation>Scène de texte</translation>
    </message>
    <message>
        <source>Add Text Scene</source>
        <translation>Ajouter une scène de texte</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Edit Text Scene</source>
        <translation>Modifier la scène de texte</translation>
    </message>
    <message>
        <source>Type your text here...</source>
        <translation>Saisissez votre texte ici…</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
</context>
<context>
    <name>ThemeDownloadErrorDialog</name>
    <message>
        <source>Select other theme</source>
        <translation>Autre thème</translation>
    </message>
    <message>
        <source>Retry download</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Network problem</source>
        <translation>Problème de réseau</translation>
    </message>
</context>
<context>
    <name>ThemeDownloadErrorForm</name>
    <message>
        <source>We have problem with downloading theme files from internet.</source>
        <translation>Un problème est survenu lors du téléchargement des fichiers du thème.</translation>
    </message>
    <message>
        <source>Please check your internet connection and try again.</source>
        <translation>Vérifiez votre connexion Internet et réessayez.</translation>
    </message>
    <message>
        <source>If this problem persists, please contact our support at </source>
        <translation>Si le problème persiste, contactez notre assistance : </translation>
    </message>
</context>
<context>
    <name>ThemeThumbnailForm</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Use this theme</source>
        <translation>Utiliser ce thème</translation>
    </message>
</context>
<context>
    <name>TmplDownloadManager</name>
    <message>
        <source>The theme could not be read, so its files cannot be fetched.</source>
        <translation>Impossible de lire le thème ; ses fichiers ne peuvent donc pas être téléchargés.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>Impossible d’écrire %1.</translation>
    </message>
    <message>
        <source>%1 is larger than a theme video can be: %2, at most %3.</source>
        <translation>%1 est plus volumineux qu’une vidéo de thème ne peut l’être : %2, au plus %3.</translation>
    </message>
    <message>
        <source>The disk is full: %1 needs %2, but %3 has only %4 free.</source>
        <translation>Le disque est plein : %1 nécessite %2, mais %3 n’a que %4 d’espace libre.</translation>
    </message>
    <message>
        <source>The disk is full: %1 cannot be written.</source>
        <translation>Le disque est plein : impossible d’écrire %1.</translation>
    </message>
    <message>
        <source>The server sends %1 too slowly: %2 in the last %3 s, at least %4 a second are needed.</source>
        <translation>Le serveur envoie %1 trop lentement : %2 au cours des %3 dernières secondes, alors qu’il faut au moins %4 par seconde.</translation>
    </message>
    <message>
        <source>The server sends %1 too slowly: %2 of %3 in %4 s.</source>
        <translation>Le serveur envoie %1 trop lentement : %2 sur %3 en %4 s.</translation>
    </message>
    <message>
        <source>The server answered %1 for %2.</source>
        <translation>Le serveur a répondu %1 pour %2.</translation>
    </message>
    <message>
        <source>%1 arrived incomplete: %2 of %3 bytes.</source>
        <translation>%1 est arrivé incomplet : %2 octets sur %3.</translation>
    </message>
    <message>
        <source>Secure connection failed.</source>
        <translation>La connexion sécurisée a échoué.</translation>
    </message>
    <message>
        <source>The server stopped sending %1: nothing came for %2 s.</source>
        <translation>Le serveur a cessé d’envoyer %1 : rien n’est arrivé pendant %2 s.</translation>
    </message>
</context>
<context>
    <name>VideoSettings</name>
    <message>
        <source>No folder was chosen for the video.</source>
        <translation>Aucun dossier n’a été choisi pour la vidéo.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>The folder %1 does not accept new files.</source>
        <translation>Le dossier %1 n’accepte pas de nouveaux fichiers.</translation>
    </message>
</context>
</TS>
