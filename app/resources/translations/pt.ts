<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>AVInput</name>
    <message>
        <source>%1 cannot be opened (%2).</source>
        <translation>Não é possível abrir %1 (%2).</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2).</source>
        <translation>Não é possível ler %1 (%2).</translation>
    </message>
    <message>
        <source>%1 has no sound.</source>
        <translation>%1 não tem som.</translation>
    </message>
    <message>
        <source>%1 has no video.</source>
        <translation>%1 não tem vídeo.</translation>
    </message>
    <message>
        <source>%1 uses a format that cannot be decoded.</source>
        <translation>%1 usa um formato que não pode ser decodificado.</translation>
    </message>
    <message>
        <source>%1 cannot be decoded (%2).</source>
        <translation>Não é possível decodificar %1 (%2).</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>Não é possível ler %1.</translation>
    </message>
    <message>
        <source>%1 cannot be opened as a picture.</source>
        <translation>Não é possível abrir %1 como imagem.</translation>
    </message>
    <message>
        <source>Out of memory for %1.</source>
        <translation>Memória insuficiente para %1.</translation>
    </message>
</context>
<context>
    <name>AVOutput</name>
    <message>
        <source>No H.264 encoder is available.</source>
        <translation>Nenhum codificador H.264 está disponível.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Memória insuficiente.</translation>
    </message>
    <message>
        <source>The video encoder cannot start (%1).</source>
        <translation>Não é possível iniciar o codificador de vídeo (%1).</translation>
    </message>
    <message>
        <source>No AAC encoder is available.</source>
        <translation>Nenhum codificador AAC está disponível.</translation>
    </message>
    <message>
        <source>The audio encoder cannot start (%1).</source>
        <translation>Não é possível iniciar o codificador de áudio (%1).</translation>
    </message>
    <message>
        <source>The video settings are not usable.</source>
        <translation>As configurações do vídeo não podem ser usadas.</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2).</source>
        <translation>Não é possível gravar %1 (%2).</translation>
    </message>
    <message>
        <source>The video header cannot be written (%1).</source>
        <translation>Não é possível gravar o cabeçalho do vídeo (%1).</translation>
    </message>
    <message>
        <source>The video cannot be encoded (%1).</source>
        <translation>Não é possível codificar o vídeo (%1).</translation>
    </message>
    <message>
        <source>The video file cannot be written (%1).</source>
        <translation>Não é possível gravar o arquivo de vídeo (%1).</translation>
    </message>
    <message>
        <source>The video file is not open.</source>
        <translation>O arquivo de vídeo não está aberto.</translation>
    </message>
    <message>
        <source>A frame without a usable time base (%1/%2) cannot be written.</source>
        <translation>Não é possível gravar um quadro sem uma base de tempo utilizável (%1/%2).</translation>
    </message>
    <message>
        <source>The music cannot be converted.</source>
        <translation>Não é possível converter a música.</translation>
    </message>
    <message>
        <source>The end of the video file cannot be written (%1).</source>
        <translation>Não é possível gravar o final do arquivo de vídeo (%1).</translation>
    </message>
</context>
<context>
    <name>AudioFileForm</name>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
</context>
<context>
    <name>BaseDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
</context>
<context>
    <name>DoneBackBtnsForm</name>
    <message>
        <source>Back to </source>
        <translation>Voltar para </translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
</context>
<context>
    <name>DoneForm</name>
    <message>
        <source>Play Video</source>
        <translation>Reproduzir vídeo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Your video is ready to play.</source>
        <translation>Seu vídeo está pronto.</translation>
    </message>
    <message>
        <source>Click button below to show file.</source>
        <translation>Clique no botão abaixo para ver o arquivo.</translation>
    </message>
    <message>
        <source>Open Folder with Video</source>
        <translation>Abrir pasta do vídeo</translation>
    </message>
    <message>
        <source>Share your video on</source>
        <translation>Compartilhe seu vídeo no</translation>
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
        <translation>Dúvidas ou ideias? &lt;a href=&quot;%1&quot; style=&quot;color: #0099ff;&quot;&gt;Fale conosco&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>DownloadingThemeForm</name>
    <message>
        <source>Downloading theme</source>
        <translation>Baixando tema</translation>
    </message>
    <message>
        <source>Downloading theme&apos;s files from internet.</source>
        <translation>Baixando os arquivos do tema da internet.</translation>
    </message>
    <message>
        <source>Depending on your internet connection speed</source>
        <translation>Dependendo da velocidade da sua conexão,</translation>
    </message>
    <message>
        <source>it can take up to few minutes.</source>
        <translation>isso pode levar alguns minutos.</translation>
    </message>
    <message>
        <source>This files will be downloaded only once.</source>
        <translation>Estes arquivos serão baixados só uma vez.</translation>
    </message>
</context>
<context>
    <name>DroppedFiles</name>
    <message>
        <source>not a file on this computer</source>
        <translation>não é um arquivo deste computador</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>não encontrado</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>not a kind of photo that can be opened</source>
        <translation>não é um tipo de foto que possa ser aberto</translation>
    </message>
    <message>
        <source>a folder without photos</source>
        <translation>uma pasta sem fotos</translation>
    </message>
    <message>
        <source>a folder without music</source>
        <translation>uma pasta sem músicas</translation>
    </message>
</context>
<context>
    <name>H264Render</name>
    <message>
        <source>The video could not be made.</source>
        <translation>Não foi possível criar o vídeo.</translation>
    </message>
    <message>
        <source>There is nothing to render.</source>
        <translation>Não há conteúdo para criar o vídeo.</translation>
    </message>
    <message>
        <source>The video file could not be written.</source>
        <translation>Não foi possível gravar o arquivo de vídeo.</translation>
    </message>
    <message>
        <source>The theme has no scene %1.</source>
        <translation>O tema não tem a cena %1.</translation>
    </message>
    <message>
        <source>Scene %1 is of an unknown kind (%2).</source>
        <translation>A cena %1 é de um tipo desconhecido (%2).</translation>
    </message>
    <message>
        <source>Scene %1 has an unknown kind of background (%2).</source>
        <translation>A cena %1 tem um fundo de tipo desconhecido (%2).</translation>
    </message>
    <message>
        <source>The background of scene %1 cannot be read: %2</source>
        <translation>Não é possível ler o fundo da cena %1: %2</translation>
    </message>
    <message>
        <source>Scene %1 cannot be prepared: %2</source>
        <translation>Não é possível preparar a cena %1: %2</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>%1 could not be opened.</source>
        <translation>Não foi possível abrir %1.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Skip Audio</source>
        <translation>Pular música</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Back to Themes</source>
        <translation>Voltar aos temas</translation>
    </message>
    <message>
        <source>Back to Music</source>
        <translation>Voltar à música</translation>
    </message>
    <message>
        <source>Make Video</source>
        <translation>Criar vídeo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>This project cannot be read; it is left as it is.</source>
        <translation>Não foi possível ler este projeto; ele foi mantido como está.</translation>
    </message>
    <message>
        <source>Missed audio file will be skipped.</source>
        <translation>O arquivo de áudio ausente será ignorado.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The video could not be made: %1</source>
        <translation>Não foi possível criar o vídeo: %1</translation>
    </message>
    <message>
        <source>The theme &quot;%1&quot; cannot be read (%2). Please choose another theme.</source>
        <translation>Não é possível ler o tema &quot;%1&quot; (%2). Escolha outro tema.</translation>
    </message>
    <message>
        <source>Skip them</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>Look for them</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Missing pictures</source>
        <translation>Imagens ausentes</translation>
    </message>
    <message>
        <source>Pictures of this project that are no longer where they were: %1. Look for them in a folder and its subfolders?</source>
        <translation>Imagens deste projeto que não estão mais onde estavam: %1. Procurá-las em uma pasta e em suas subpastas?</translation>
    </message>
    <message>
        <source>Where are the pictures now?</source>
        <translation>Onde estão as imagens agora?</translation>
    </message>
    <message>
        <source>The project could not be saved with the pictures found.</source>
        <translation>Não foi possível salvar o projeto com as imagens encontradas.</translation>
    </message>
    <message>
        <source>%1 of %2 missing pictures were found.</source>
        <translation>%1 de %2 imagens ausentes foram encontradas.</translation>
    </message>
    <message>
        <source>Not found, so left out: %1</source>
        <translation>Não encontradas, por isso deixadas de fora: %1</translation>
    </message>
    <message>
        <source>In that folder more than once, so left out: %1</source>
        <translation>Mais de uma vez nessa pasta, por isso deixadas de fora: %1</translation>
    </message>
    <message>
        <source>The theme&apos;s videos are still being downloaded; the preview can play once they are here.</source>
        <translation>Os vídeos do tema ainda estão sendo baixados; a prévia poderá ser reproduzida assim que chegarem.</translation>
    </message>
    <message>
        <source>There is nothing to preview yet: add photos or text scenes.</source>
        <translation>Ainda não há nada para pré-visualizar: adicione fotos ou cenas de texto.</translation>
    </message>
</context>
<context>
    <name>MediaVerticalSeparator</name>
    <message>
        <source>You have more content than your music track duration. Photos and text scenes under this line will be excluded from video.</source>
        <translation>Você tem mais conteúdo do que a duração da música. Fotos e cenas de texto abaixo desta linha ficarão fora do vídeo.</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… e mais %n</numerusform>
            <numerusform>… e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>This was not added:
%1</source>
        <translation>Isto não foi adicionado:
%1</translation>
    </message>
    <message>
        <source>These were not added:
%1</source>
        <translation>Estes não foram adicionados:
%1</translation>
    </message>
</context>
<context>
    <name>PreviewDialog</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Prévia</translation>
    </message>
    <message>
        <source>Preview of the slideshow</source>
        <translation>Prévia da apresentação</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
</context>
<context>
    <name>PrjManager</name>
    <message>
        <source>1 slide of an unknown kind was left out.</source>
        <translation>1 slide de um tipo desconhecido foi deixado de fora.</translation>
    </message>
    <message>
        <source>%1 slides of an unknown kind were left out.</source>
        <translation>%1 slides de um tipo desconhecido foram deixados de fora.</translation>
    </message>
    <message>
        <source>There is no project to save.</source>
        <translation>Não há projeto para salvar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a project.</source>
        <translation>&quot;%1&quot; não é um projeto.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Não é possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>The project in %1 cannot be read; it is left as it is.</source>
        <translation>Não foi possível ler o projeto em %1; ele foi mantido como está.</translation>
    </message>
    <message>
        <source>The project could not be saved in %1.</source>
        <translation>Não foi possível salvar o projeto em %1.</translation>
    </message>
    <message>
        <source>%1 is neither a project id nor a project folder.</source>
        <translation>%1 não é um identificador de projeto nem uma pasta de projeto.</translation>
    </message>
    <message>
        <source>There is no project %1 in %2.</source>
        <translation>Não há nenhum projeto %1 em %2.</translation>
    </message>
</context>
<context>
    <name>ProjectForm</name>
    <message>
        <source>Resume</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Delete Project</source>
        <translation>Excluir projeto</translation>
    </message>
    <message>
        <source>Untitled project</source>
        <translation>Projeto sem título</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Slides</source>
        <translation>Slides</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 is missing.</source>
        <translation>%1 não foi encontrado.</translation>
    </message>
    <message>
        <source>%1 is not an H.264 video.</source>
        <translation>%1 não é um vídeo H.264.</translation>
    </message>
    <message>
        <source>%1 holds no frames.</source>
        <translation>%1 não contém quadros.</translation>
    </message>
</context>
<context>
    <name>RenderProgressForm</name>
    <message>
        <source>Making Video</source>
        <translation>Criando vídeo</translation>
    </message>
    <message>
        <source>%1 so far</source>
        <translation>%1 decorridos</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>faltam cerca de %1</translation>
    </message>
</context>
<context>
    <name>RenderWorker</name>
    <message>
        <source>The video cannot be written in %1: %2</source>
        <translation>Não é possível gravar o vídeo em %1: %2</translation>
    </message>
    <message>
        <source>%1 appeared during the render and is kept; the new video was not saved.</source>
        <translation>%1 apareceu durante a criação e foi mantido; o novo vídeo não foi salvo.</translation>
    </message>
    <message>
        <source>The video could not be saved as %1: %2</source>
        <translation>Não foi possível salvar o vídeo como %1: %2</translation>
    </message>
    <message>
        <source>The unfinished file %1 could not be removed.</source>
        <translation>Não foi possível remover o arquivo incompleto %1.</translation>
    </message>
    <message>
        <source>The video is larger than this system allows: a file may hold at most %1 here (%2).</source>
        <translation>O vídeo é maior do que este sistema permite: aqui um arquivo pode ter no máximo %1 (%2).</translation>
    </message>
    <message>
        <source>The folder %1, or the unfinished video in it, was removed during the render.</source>
        <translation>A pasta %1, ou o vídeo incompleto dentro dela, foi removida durante a criação.</translation>
    </message>
</context>
<context>
    <name>SelectAudioForm</name>
    <message>
        <source>Your theme</source>
        <translation>Seu tema</translation>
    </message>
    <message>
        <source>Add Background Music</source>
        <translation>Adicionar música de fundo</translation>
    </message>
    <message>
        <source>Choose Music Files</source>
        <translation>Escolher arquivos de música</translation>
    </message>
    <message>
        <source>Background Music</source>
        <translation>Música de fundo</translation>
    </message>
    <message>
        <source>Add More Music</source>
        <translation>Adicionar mais músicas</translation>
    </message>
    <message>
        <source>Skip Audio</source>
        <translation>Pular música</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read as music and was not added.</source>
        <translation>&quot;%1&quot; não pôde ser lido como música e não foi adicionado.</translation>
    </message>
    <message>
        <source>These files cannot be read as music and were not added:
%1</source>
        <translation>Estes arquivos não puderam ser lidos como música e não foram adicionados:
%1</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Abrir arquivo de áudio</translation>
    </message>
    <message>
        <source>(*.mp3 *.m4a)</source>
        <translation>(*.mp3 *.m4a)</translation>
    </message>
    <message>
        <source>cannot be read as music</source>
        <translation>não pode ser lido como música</translation>
    </message>
    <message>
        <source>MP3 or M4A files play one after another under your slides. Choose them, or drop them here.</source>
        <translation>Arquivos MP3 ou M4A tocam um após o outro com seus slides. Escolha-os ou solte-os aqui.</translation>
    </message>
</context>
<context>
    <name>SelectImagesForm</name>
    <message>
        <source>Add Images</source>
        <translation>Adicionar imagens</translation>
    </message>
    <message>
        <source>Add Folder with Images</source>
        <translation>Adicionar pasta de imagens</translation>
    </message>
    <message>
        <source>Add Text Scene</source>
        <translation>Adicionar cena de texto</translation>
    </message>
    <message>
        <source>Add music</source>
        <translation>Adicionar música</translation>
    </message>
    <message>
        <source>Audio Files</source>
        <translation>arquivos de áudio</translation>
    </message>
    <message>
        <source>Missed image files will be skipped.</source>
        <translation>Os arquivos de imagem ausentes serão ignorados.</translation>
    </message>
    <message>
        <source>Import Image Files</source>
        <translation>Importar arquivos de imagem</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Prévia</translation>
    </message>
    <message>
        <source>Add photos and text scenes, or drop photos and folders here: they play in the order you give them.</source>
        <translation>Adicione fotos e cenas de texto, ou solte aqui fotos e pastas: elas tocam na ordem que você definir.</translation>
    </message>
</context>
<context>
    <name>SelectThemeForm</name>
    <message>
        <source>My Recent Projects</source>
        <translation>Meus projetos recentes</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>Mostrar tudo</translation>
    </message>
    <message>
        <source>Hide all</source>
        <translation>Ocultar tudo</translation>
    </message>
    <message>
        <source>Select Theme</source>
        <translation>Escolha um tema</translation>
    </message>
    <message>
        <source>Subscribe for new Themes and Updates</source>
        <translation>Assine para receber novos temas e atualizações</translation>
    </message>
    <message>
        <source>Follow us</source>
        <translation>Siga-nos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Delete Project</source>
        <translation>Excluir projeto</translation>
    </message>
    <message>
        <source>The project will be removed from this computer. This cannot be undone.</source>
        <translation>O projeto será removido deste computador. Esta ação não pode ser desfeita.</translation>
    </message>
    <message>
        <source>The project could not be deleted.</source>
        <translation>Não foi possível excluir o projeto.</translation>
    </message>
</context>
<context>
    <name>SettingsForm</name>
    <message>
        <source>Video settings</source>
        <translation>Configurações do vídeo</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>Qualidade do vídeo</translation>
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
        <translation>Pasta de destino</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>Add Pictavio logo at the end of the video</source>
        <translation>Adicionar o logotipo do Pictavio ao final do vídeo</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Prévia</translation>
    </message>
</context>
<context>
    <name>SlideForm</name>
    <message>
        <source>Turn left</source>
        <translation>Girar para a esquerda</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Girar para a direita</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>This picture cannot be read; it is left out of the video.</source>
        <translation>Não foi possível ler esta imagem; ela ficará fora do vídeo.</translation>
    </message>
    <message>
        <source>Delete removes the slide; [ and ] turn the picture.</source>
        <translation>Delete remove o slide; [ e ] giram a imagem.</translation>
    </message>
    <message>
        <source>Delete removes the slide; Enter edits the text.</source>
        <translation>Delete remove o slide; Enter edita o texto.</translation>
    </message>
    <message>
        <source>Ctrl+Left and Ctrl+Right move the slide.</source>
        <translation>Ctrl+Seta para a esquerda e Ctrl+Seta para a direita movem o slide.</translation>
    </message>
</context>
<context>
    <name>Slideshow</name>
    <message>
        <source>Its theme &quot;%1&quot; cannot be read (%2).</source>
        <translation>Não é possível ler o tema &quot;%1&quot; do projeto (%2).</translation>
    </message>
</context>
<context>
    <name>TextSceneDialog</name>
    <message>
        <source>Text Scene</source>
        <translation>Cena de texto</translation>
    </message>
    <message>
        <source>Add Text Scene</source>
        <translation>Adicionar cena de texto</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Edit Text Scene</source>
        <translation>Editar cena de texto</translation>
    </message>
    <message>
        <source>Type your text here...</source>
        <translation>Digite seu texto aqui...</translation>
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
        <translation>Escolher outro tema</translation>
    </message>
    <message>
        <source>Retry download</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>Network problem</source>
        <translation>Problema de rede</translation>
    </message>
</context>
<context>
    <name>ThemeDownloadErrorForm</name>
    <message>
        <source>We have problem with downloading theme files from internet.</source>
        <translation>Houve um problema ao baixar os arquivos do tema da internet.</translation>
    </message>
    <message>
        <source>Please check your internet connection and try again.</source>
        <translation>Verifique sua conexão com a internet e tente novamente.</translation>
    </message>
    <message>
        <source>If this problem persists, please contact our support at </source>
        <translation>Se o problema persistir, entre em contato com nosso suporte em </translation>
    </message>
</context>
<context>
    <name>ThemeThumbnailForm</name>
    <message>
        <source>Preview</source>
        <translation>Pré-visualizar</translation>
    </message>
    <message>
        <source>Use this theme</source>
        <translation>Usar este tema</translation>
    </message>
</context>
<context>
    <name>TmplDownloadManager</name>
    <message>
        <source>The theme could not be read, so its files cannot be fetched.</source>
        <translation>Não foi possível ler o tema, por isso seus arquivos não podem ser baixados.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>Não é possível gravar %1.</translation>
    </message>
    <message>
        <source>%1 is larger than a theme video can be: %2, at most %3.</source>
        <translation>%1 é maior do que um vídeo de tema pode ser: %2, no máximo %3.</translation>
    </message>
    <message>
        <source>The disk is full: %1 needs %2, but %3 has only %4 free.</source>
        <translation>O disco está cheio: %1 precisa de %2, mas %3 tem apenas %4 livres.</translation>
    </message>
    <message>
        <source>The disk is full: %1 cannot be written.</source>
        <translation>O disco está cheio: não é possível gravar %1.</translation>
    </message>
    <message>
        <source>The server sends %1 too slowly: %2 in the last %3 s, at least %4 a second are needed.</source>
        <translation>O servidor está enviando %1 muito devagar: %2 nos últimos %3 s; são necessários pelo menos %4 por segundo.</translation>
    </message>
    <message>
        <source>The server sends %1 too slowly: %2 of %3 in %4 s.</source>
        <translation>O servidor está enviando %1 muito devagar: %2 de %3 em %4 s.</translation>
    </message>
    <message>
        <source>The server answered %1 for %2.</source>
        <translation>O servidor respondeu %1 para %2.</translation>
    </message>
    <message>
        <source>%1 arrived incomplete: %2 of %3 bytes.</source>
        <translation>%1 chegou incompleto: %2 de %3 bytes.</translation>
    </message>
    <message>
        <source>Secure connection failed.</source>
        <translation>Falha na conexão segura.</translation>
    </message>
    <message>
        <source>The server stopped sending %1: nothing came for %2 s.</source>
        <translation>O servidor parou de enviar %1: nada chegou em %2 s.</translation>
    </message>
</context>
<context>
    <name>VideoSettings</name>
    <message>
        <source>No folder was chosen for the video.</source>
        <translation>Nenhuma pasta foi escolhida para o vídeo.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Não é possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>The folder %1 does not accept new files.</source>
        <translation>A pasta %1 não aceita novos arquivos.</translation>
    </message>
</context>
</TS>
