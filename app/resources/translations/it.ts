<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
    <message>
        <source>%1 could not be opened.</source>
        <translation>Impossibile aprire %1.</translation>
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
        <source>The theme &quot;%1&quot; cannot be read. Please choose another theme.</source>
        <translation>Impossibile leggere il tema «%1». Scegli un altro tema.</translation>
    </message>
    <message>
        <source>This project cannot be read; it is left as it is.</source>
        <translation>Impossibile leggere questo progetto; viene lasciato così com’è.</translation>
    </message>
    <message>
        <source>Missed audio file will be skipped.</source>
        <translation>I file audio mancanti verranno saltati.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The video could not be made: %1</source>
        <translation>Impossibile creare il video: %1</translation>
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
    <name>RenderProgressForm</name>
    <message>
        <source>Making Video</source>
        <translation>Creazione del video</translation>
    </message>
    <message>
        <source>%p%</source>
        <translation>%p%</translation>
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
        <source>MP3 or M4A files play one after another under your slides.</source>
        <translation>I file MP3 o M4A vengono riprodotti uno dopo l’altro sotto le diapositive.</translation>
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
        <source>Add photos and text scenes: they play in the order you give them here.</source>
        <translation>Aggiungi foto e scene di testo: verranno riprodotte nell’ordine che scegli qui.</translation>
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
</TS>
