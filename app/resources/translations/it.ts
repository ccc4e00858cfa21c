<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AVInput</name>
    <message>
        <source>%1 cannot be opened (%2).</source>
        <translation>Impossibile aprire %1 (%2).</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2).</source>
        <translation>Impossibile leggere %1 (%2).</translation>
    </message>
    <message>
        <source>%1 has no sound.</source>
        <translation>%1 non contiene audio.</translation>
    </message>
    <message>
        <source>%1 has no video.</source>
        <translation>%1 non contiene video.</translation>
    </message>
    <message>
        <source>%1 uses a format that cannot be decoded.</source>
        <translation>%1 usa un formato che non può essere decodificato.</translation>
    </message>
    <message>
        <source>%1 cannot be decoded (%2).</source>
        <translation>Impossibile decodificare %1 (%2).</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>Impossibile leggere %1.</translation>
    </message>
    <message>
        <source>%1 cannot be opened as a picture.</source>
        <translation>Impossibile aprire %1 come immagine.</translation>
    </message>
    <message>
        <source>Out of memory for %1.</source>
        <translation>Memoria insufficiente per %1.</translation>
    </message>
</context>
<context>
    <name>AVOutput</name>
    <message>
        <source>No H.264 encoder is available.</source>
        <translation>Nessun encoder H.264 disponibile.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Memoria insufficiente.</translation>
    </message>
    <message>
        <source>The video encoder cannot start (%1).</source>
        <translation>Impossibile avviare l’encoder video (%1).</translation>
    </message>
    <message>
        <source>No AAC encoder is available.</source>
        <translation>Nessun encoder AAC disponibile.</translation>
    </message>
    <message>
        <source>The audio encoder cannot start (%1).</source>
        <translation>Impossibile avviare l’encoder audio (%1).</translation>
    </message>
    <message>
        <source>The video settings are not usable.</source>
        <translation>Le impostazioni video non sono utilizzabili.</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2).</source>
        <translation>Impossibile scrivere %1 (%2).</translation>
    </message>
    <message>
        <source>The video header cannot be written (%1).</source>
        <translation>Impossibile scrivere l’intestazione del video (%1).</translation>
    </message>
    <message>
        <source>The video cannot be encoded (%1).</source>
        <translation>Impossibile codificare il video (%1).</translation>
    </message>
    <message>
        <source>The video file cannot be written (%1).</source>
        <translation>Impossibile scrivere il file video (%1).</translation>
    </message>
    <message>
        <source>The video file is not open.</source>
        <translation>Il file video non è aperto.</translation>
    </message>
    <message>
        <source>A frame without a usable time base (%1/%2) cannot be written.</source>
        <translation>Impossibile scrivere un fotogramma senza una base dei tempi utilizzabile (%1/%2).</translation>
    </message>
    <message>
        <source>The music cannot be converted.</source>
        <translation>Impossibile convertire la musica.</translation>
    </message>
    <message>
        <source>The end of the video file cannot be written (%1).</source>
        <translation>Impossibile scrivere la fine del file video (%1).</translation>
    </message>
</context>
<context>
    <name>AudioFileForm</name>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
</context>
<context>
    <name>BaseDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
</context>
<context>
    <name>DoneBackBtnsForm</name>
    <message>
        <source>Back to </source>
        <translation>Torna a </translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
</context>
<context>
    <name>DoneForm</name>
    <message>
        <source>Play Video</source>
        <translation>Riproduci video</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Your video is ready to play.</source>
        <translation>Il tuo video è pronto.</translation>
    </message>
    <message>
        <source>Click button below to show file.</source>
        <translation>Fai clic sul pulsante qui sotto per mostrare il file.</translation>
    </message>
    <message>
        <source>Open Folder with Video</source>
        <translation>Apri la cartella del video</translation>
    </message>
    <message>
        <source>Share your video on</source>
        <translation>Condividi il tuo video su</translation>
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
        <translation>Domande o idee? &lt;a href=&quot;%1&quot; style=&quot;color: #0099ff;&quot;&gt;Contattaci&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>DownloadingThemeForm</name>
    <message>
        <source>Downloading theme</source>
        <translation>Download del tema</translation>
    </message>
    <message>
        <source>Downloading theme&apos;s files from internet.</source>
        <translation>Download dei file del tema da internet.</translation>
    </message>
    <message>
        <source>Depending on your internet connection speed</source>
        <translation>A seconda della velocità della connessione,</translation>
    </message>
    <message>
        <source>it can take up to few minutes.</source>
        <translation>potrebbero volerci alcuni minuti.</translation>
    </message>
    <message>
        <source>This files will be downloaded only once.</source>
        <translation>Questi file vengono scaricati una sola volta.</translation>
    </message>
</context>
<context>
    <name>DroppedFiles</name>
    <message>
        <source>not a file on this computer</source>
        <translation>non è un file di questo computer</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>non trovato</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>not a kind of photo that can be opened</source>
        <translation>non è un tipo di foto che si può aprire</translation>
    </message>
    <message>
        <source>a folder without photos</source>
        <translation>una cartella senza foto</translation>
    </message>
    <message>
        <source>a folder without music</source>
        <translation>una cartella senza musica</translation>
    </message>
</context>
<context>
    <name>H264Render</name>
    <message>
        <source>The video could not be made.</source>
        <translation>Impossibile creare il video.</translation>
    </message>
    <message>
        <source>There is nothing to render.</source>
        <translation>Nessun contenuto per creare il video.</translation>
    </message>
    <message>
        <source>The video file could not be written.</source>
        <translation>Impossibile scrivere il file video.</translation>
    </message>
    <message>
        <source>The theme has no scene %1.</source>
        <translation>Il tema non ha la scena %1.</translation>
    </message>
    <message>
        <source>Scene %1 is of an unknown kind (%2).</source>
        <translation>La scena %1 è di un tipo sconosciuto (%2).</translation>
    </message>
    <message>
        <source>Scene %1 has an unknown kind of background (%2).</source>
        <translation>La scena %1 ha uno sfondo di tipo sconosciuto (%2).</translation>
    </message>
    <message>
        <source>The background of scene %1 cannot be read: %2</source>
        <translation>Impossibile leggere lo sfondo della scena %1: %2</translation>
    </message>
    <message>
        <source>Scene %1 cannot be prepared: %2</source>
        <translation>Impossibile preparare la scena %1: %2</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>%1 could not be opened.</source>
        <translation>Impossibile aprire %1.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Skip Audio</source>
        <translation>Salta musica</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Back to Themes</source>
        <translation>Torna ai temi</translation>
    </message>
    <message>
        <source>Back to Music</source>
        <translation>Torna alla musica</translation>
    </message>
    <message>
        <source>Make Video</source>
        <translation>Crea video</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>This project cannot be read; it is left as it is.</source>
        <translation>Impossibile leggere questo progetto; viene lasciato così com’è.</translation>
    </message>
    <message>
        <source>Missed audio file will be skipped.</source>
        <translation>Il file audio mancante verrà saltato.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The video could not be made: %1</source>
        <translation>Impossibile creare il video: %1</translation>
    </message>
    <message>
        <source>The theme &quot;%1&quot; cannot be read (%2). Please choose another theme.</source>
        <translation>Il tema &quot;%1&quot; non può essere letto (%2). Scegli un altro tema.</translation>
    </message>
    <message>
        <source>Skip them</source>
        <translation>Saltale</translation>
    </message>
    <message>
        <source>Look for them</source>
        <translation>Cercale</translation>
    </message>
    <message>
        <source>Missing pictures</source>
        <translation>Immagini mancanti</translation>
    </message>
    <message>
        <source>Pictures of this project that are no longer where they were: %1. Look for them in a folder and its subfolders?</source>
        <translation>Immagini di questo progetto che non sono più dov’erano: %1. Cercarle in una cartella e nelle sue sottocartelle?</translation>
    </message>
    <message>
        <source>Where are the pictures now?</source>
        <translation>Dove sono ora le immagini?</translation>
    </message>
    <message>
        <source>The project could not be saved with the pictures found.</source>
        <translation>Non è stato possibile salvare il progetto con le immagini trovate.</translation>
    </message>
    <message>
        <source>%1 of %2 missing pictures were found.</source>
        <translation>Trovate %1 di %2 immagini mancanti.</translation>
    </message>
    <message>
        <source>Not found, so left out: %1</source>
        <translation>Non trovate, quindi escluse: %1</translation>
    </message>
    <message>
        <source>In that folder more than once, so left out: %1</source>
        <translation>Più di una volta in quella cartella, quindi escluse: %1</translation>
    </message>
    <message>
        <source>The theme&apos;s videos are still being downloaded; the preview can play once they are here.</source>
        <translation>I video del tema sono ancora in download; l’anteprima potrà essere riprodotta appena arrivano.</translation>
    </message>
    <message>
        <source>There is nothing to preview yet: add photos or text scenes.</source>
        <translation>Non c’è ancora nulla da vedere in anteprima: aggiungi foto o scene di testo.</translation>
    </message>
</context>
<context>
    <name>MediaVerticalSeparator</name>
    <message>
        <source>You have more content than your music track duration. Photos and text scenes under this line will be excluded from video.</source>
        <translation>Hai più contenuti della durata della musica. Foto e scene di testo sotto questa linea saranno escluse dal video.</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… e %n altro</numerusform>
            <numerusform>… e altri %n</numerusform>
        </translation>
    </message>
    <message>
        <source>This was not added:
%1</source>
        <translation>Questo non è stato aggiunto:
%1</translation>
    </message>
    <message>
        <source>These were not added:
%1</source>
        <translation>Questi non sono stati aggiunti:
%1</translation>
    </message>
</context>
<context>
    <name>PreviewDialog</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Preview of the slideshow</source>
        <translation>Anteprima della presentazione</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
</context>
<context>
    <name>PrjManager</name>
    <message>
        <source>1 slide of an unknown kind was left out.</source>
        <translation>1 diapositiva di tipo sconosciuto è stata esclusa.</translation>
    </message>
    <message>
        <source>%1 slides of an unknown kind were left out.</source>
        <translation>%1 diapositive di tipo sconosciuto sono state escluse.</translation>
    </message>
    <message>
        <source>There is no project to save.</source>
        <translation>Non c’è nessun progetto da salvare.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a project.</source>
        <translation>«%1» non è un progetto.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>The project in %1 cannot be read; it is left as it is.</source>
        <translation>Impossibile leggere il progetto in %1; viene lasciato così com’è.</translation>
    </message>
    <message>
        <source>The project could not be saved in %1.</source>
        <translation>Impossibile salvare il progetto in %1.</translation>
    </message>
    <message>
        <source>%1 is neither a project id nor a project folder.</source>
        <translation>%1 non è né un identificativo di progetto né una cartella di progetto.</translation>
    </message>
    <message>
        <source>There is no project %1 in %2.</source>
        <translation>Non c’è alcun progetto %1 in %2.</translation>
    </message>
</context>
<context>
    <name>ProjectForm</name>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Delete Project</source>
        <translation>Elimina progetto</translation>
    </message>
    <message>
        <source>Untitled project</source>
        <translation>Progetto senza titolo</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Musica</translation>
    </message>
    <message>
        <source>Slides</source>
        <translation>Diapositive</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 is missing.</source>
        <translation>Manca %1.</translation>
    </message>
    <message>
        <source>%1 is not an H.264 video.</source>
        <translation>%1 non è un video H.264.</translation>
    </message>
    <message>
        <source>%1 holds no frames.</source>
        <translation>%1 non contiene fotogrammi.</translation>
    </message>
</context>
<context>
    <name>RenderProgressForm</name>
    <message>
        <source>Making Video</source>
        <translation>Creazione del video</translation>
    </message>
    <message>
        <source>%1 so far</source>
        <translation>%1 trascorsi</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>mancano circa %1</translation>
    </message>
</context>
<context>
    <name>RenderWorker</name>
    <message>
        <source>The video cannot be written in %1: %2</source>
        <translation>Impossibile scrivere il video in %1: %2</translation>
    </message>
    <message>
        <source>%1 appeared during the render and is kept; the new video was not saved.</source>
        <translation>%1 è comparso durante la creazione e viene mantenuto; il nuovo video non è stato salvato.</translation>
    </message>
    <message>
        <source>The video could not be saved as %1: %2</source>
        <translation>Impossibile salvare il video come %1: %2</translation>
    </message>
    <message>
        <source>The unfinished file %1 could not be removed.</source>
        <translation>Impossibile rimuovere il file incompleto %1.</translation>
    </message>
    <message>
        <source>The video is larger than this system allows: a file may hold at most %1 here (%2).</source>
        <translation>Il video è più grande di quanto consente questo sistema: qui un file può occupare al massimo %1 (%2).</translation>
    </message>
    <message>
        <source>The folder %1, or the unfinished video in it, was removed during the render.</source>
        <translation>La cartella %1, o il video incompleto al suo interno, è stata rimossa durante la creazione.</translation>
    </message>
</context>
<context>
    <name>SelectAudioForm</name>
    <message>
        <source>Your theme</source>
        <translation>Il tuo tema</translation>
    </message>
    <message>
        <source>Add Background Music</source>
        <translation>Aggiungi musica di sottofondo</translation>
    </message>
    <message>
        <source>Choose Music Files</source>
        <translation>Scegli file musicali</translation>
    </message>
    <message>
        <source>Background Music</source>
        <translation>Musica di sottofondo</translation>
    </message>
    <message>
        <source>Add More Music</source>
        <translation>Aggiungi altra musica</translation>
    </message>
    <message>
        <source>Skip Audio</source>
        <translation>Salta musica</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read as music and was not added.</source>
        <translation>«%1» non può essere letto come musica e non è stato aggiunto.</translation>
    </message>
    <message>
        <source>These files cannot be read as music and were not added:
%1</source>
        <translation>Questi file non possono essere letti come musica e non sono stati aggiunti:
%1</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Apri file audio</translation>
    </message>
    <message>
        <source>(*.mp3 *.m4a)</source>
        <translation>(*.mp3 *.m4a)</translation>
    </message>
    <message>
        <source>cannot be read as music</source>
        <translation>non può essere letto come musica</translation>
    </message>
    <message>
        <source>MP3 or M4A files play one after another under your slides. Choose them, or drop them here.</source>
        <translation>I file MP3 o M4A vengono riprodotti uno dopo l’altro sotto le diapositive. Sceglili o trascinali qui.</translation>
    </message>
</context>
<context>
    <name>SelectImagesForm</name>
    <message>
        <source>Add Images</source>
        <translation>Aggiungi immagini</translation>
    </message>
    <message>
        <source>Add Folder with Images</source>
        <translation>Aggiungi cartella di immagini</translation>
    </message>
    <message>
        <source>Add Text Scene</source>
        <translation>Aggiungi scena di testo</translation>
    </message>
    <message>
        <source>Add music</source>
        <translation>Aggiungi musica</translation>
    </message>
    <message>
        <source>Audio Files</source>
        <translation>file audio</translation>
    </message>
    <message>
        <source>Missed image files will be skipped.</source>
        <translation>I file immagine mancanti verranno saltati.</translation>
    </message>
    <message>
        <source>Import Image Files</source>
        <translation>Importa file immagine</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Add photos and text scenes, or drop photos and folders here: they play in the order you give them.</source>
        <translation>Aggiungi foto e scene di testo, o trascina qui foto e cartelle: verranno riprodotte nell’ordine che scegli.</translation>
    </message>
</context>
<context>
    <name>SelectThemeForm</name>
    <message>
        <source>My Recent Projects</source>
        <translation>I miei progetti recenti</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>Mostra tutto</translation>
    </message>
    <message>
        <source>Hide all</source>
        <translation>Nascondi tutto</translation>
    </message>
    <message>
        <source>Select Theme</source>
        <translation>Scegli un tema</translation>
    </message>
    <message>
        <source>Subscribe for new Themes and Updates</source>
        <translation>Iscriviti per nuovi temi e aggiornamenti</translation>
    </message>
    <message>
        <source>Follow us</source>
        <translation>Seguici</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Delete Project</source>
        <translation>Elimina progetto</translation>
    </message>
    <message>
        <source>The project will be removed from this computer. This cannot be undone.</source>
        <translation>Il progetto verrà rimosso da questo computer. L’operazione non può essere annullata.</translation>
    </message>
    <message>
        <source>The project could not be deleted.</source>
        <translation>Impossibile eliminare il progetto.</translation>
    </message>
</context>
<context>
    <name>SettingsForm</name>
    <message>
        <source>Video settings</source>
        <translation>Impostazioni video</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>Qualità video</translation>
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
        <translation>Cartella di destinazione</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Add Pictavio logo at the end of the video</source>
        <translation>Aggiungi il logo Pictavio alla fine del video</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
</context>
<context>
    <name>SlideForm</name>
    <message>
        <source>Turn left</source>
        <translation>Ruota a sinistra</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Ruota a destra</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>This picture cannot be read; it is left out of the video.</source>
        <translation>Impossibile leggere questa immagine; verrà esclusa dal video.</translation>
    </message>
    <message>
        <source>Delete removes the slide; [ and ] turn the picture.</source>
        <translation>Canc rimuove la diapositiva; [ e ] ruotano l’immagine.</translation>
    </message>
    <message>
        <source>Delete removes the slide; Enter edits the text.</source>
        <translation>Canc rimuove la diapositiva; Invio modifica il testo.</translation>
    </message>
    <message>
        <source>Ctrl+Left and Ctrl+Right move the slide.</source>
        <translation>Ctrl+Freccia sinistra e Ctrl+Freccia destra spostano la diapositiva.</translation>
    </message>
</context>
<context>
    <name>Slideshow</name>
    <message>
        <source>Its theme &quot;%1&quot; cannot be read (%2).</source>
        <translation>Il suo tema &quot;%1&quot; non può essere letto (%2).</translation>
    </message>
</context>
<context>
    <name>TextSceneDialog</name>
    <message>
        <source>Text Scene</source>
        <translation>Scena di testo</translation>
    </message>
    <message>
        <source>Add Text Scene</source>
        <translation>Aggiungi scena di testo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Edit Text Scene</source>
        <translation>Modifica scena di testo</translation>
    </message>
    <message>
        <source>Type your text here...</source>
        <translation>Scrivi qui il tuo testo...</translation>
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
        <translation>Scegli un altro tema</translation>
    </message>
    <message>
        <source>Retry download</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Network problem</source>
        <translation>Problema di rete</translation>
    </message>
</context>
<context>
    <name>ThemeDownloadErrorForm</name>
    <message>
        <source>We have problem with downloading theme files from internet.</source>
        <translation>Si è verificato un problema durante il download dei file del tema.</translation>
    </message>
    <message>
        <source>Please check your internet connection and try again.</source>
        <translation>Controlla la connessione a internet e riprova.</translation>
    </message>
    <message>
        <source>If this problem persists, please contact our support at </source>
        <translation>Se il problema persiste, contatta il nostro supporto all’indirizzo </translation>
    </message>
</context>
<context>
    <name>ThemeThumbnailForm</name>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Use this theme</source>
        <translation>Usa questo tema</translation>
    </message>
</context>
<context>
    <name>TmplDownloadManager</name>
    <message>
        <source>The theme could not be read, so its files cannot be fetched.</source>
        <translation>Impossibile leggere il tema, quindi non è possibile scaricarne i file.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>Impossibile scrivere %1.</translation>
    </message>
    <message>
        <source>%1 is larger than a theme video can be: %2, at most %3.</source>
        <translation>%1 è più grande di quanto possa essere un video del tema: %2, al massimo %3.</translation>
    </message>
    <message>
        <source>The disk is full: %1 needs %2, but %3 has only %4 free.</source>
        <translation>Il disco è pieno: %1 richiede %2, ma in %3 sono liberi solo %4.</translation>
    </message>
    <message>
        <source>The disk is full: %1 cannot be written.</source>
        <translation>Il disco è pieno: impossibile scrivere %1.</translation>
    </message>
    <message>
        <source>The server sends %1 too slowly: %2 in the last %3 s, at least %4 a second are needed.</source>
        <translation>Il server invia %1 troppo lentamente: %2 negli ultimi %3 s, servono almeno %4 al secondo.</translation>
    </message>
    <message>
        <source>The server sends %1 too slowly: %2 of %3 in %4 s.</source>
        <translation>Il server invia %1 troppo lentamente: %2 di %3 in %4 s.</translation>
    </message>
    <message>
        <source>The server answered %1 for %2.</source>
        <translation>Il server ha risposto %1 per %2.</translation>
    </message>
    <message>
        <source>%1 arrived incomplete: %2 of %3 bytes.</source>
        <translation>%1 è arrivato incompleto: %2 byte su %3.</translation>
    </message>
    <message>
        <source>Secure connection failed.</source>
        <translation>Connessione sicura non riuscita.</translation>
    </message>
    <message>
        <source>The server stopped sending %1: nothing came for %2 s.</source>
        <translation>Il server ha smesso di inviare %1: non è arrivato nulla per %2 s.</translation>
    </message>
</context>
<context>
    <name>VideoSettings</name>
    <message>
        <source>No folder was chosen for the video.</source>
        <translation>Non è stata scelta nessuna cartella per il video.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>The folder %1 does not accept new files.</source>
        <translation>La cartella %1 non accetta nuovi file.</translation>
    </message>
</context>
</TS>
