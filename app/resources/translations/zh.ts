<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh">
<context>
    <name>AVInput</name>
    <message>
        <source>%1 cannot be opened (%2).</source>
        <translation>无法打开 %1（%2）。</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2).</source>
        <translation>无法读取 %1（%2）。</translation>
    </message>
    <message>
        <source>%1 has no sound.</source>
        <translation>%1 没有声音。</translation>
    </message>
    <message>
        <source>%1 has no video.</source>
        <translation>%1 没有视频画面。</translation>
    </message>
    <message>
        <source>%1 uses a format that cannot be decoded.</source>
        <translation>%1 使用了无法解码的格式。</translation>
    </message>
    <message>
        <source>%1 cannot be decoded (%2).</source>
        <translation>无法解码 %1（%2）。</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>无法读取 %1。</translation>
    </message>
    <message>
        <source>%1 cannot be opened as a picture.</source>
        <translation>无法将 %1 作为图片打开。</translation>
    </message>
    <message>
        <source>Out of memory for %1.</source>
        <translation>内存不足，无法处理 %1。</translation>
    </message>
</context>
<context>
    <name>AVOutput</name>
    <message>
        <source>No H.264 encoder is available.</source>
        <translation>没有可用的 H.264 编码器。</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>内存不足。</translation>
    </message>
    <message>
        <source>The video encoder cannot start (%1).</source>
        <translation>无法启动视频编码器（%1）。</translation>
    </message>
    <message>
        <source>No AAC encoder is available.</source>
        <translation>没有可用的 AAC 编码器。</translation>
    </message>
    <message>
        <source>The audio encoder cannot start (%1).</source>
        <translation>无法启动音频编码器（%1）。</translation>
    </message>
    <message>
        <source>The video settings are not usable.</source>
        <translation>视频设置无法使用。</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2).</source>
        <translation>无法写入 %1（%2）。</translation>
    </message>
    <message>
        <source>The video header cannot be written (%1).</source>
        <translation>无法写入视频文件头（%1）。</translation>
    </message>
    <message>
        <source>The video cannot be encoded (%1).</source>
        <translation>无法编码视频（%1）。</translation>
    </message>
    <message>
        <source>The video file cannot be written (%1).</source>
        <translation>无法写入视频文件（%1）。</translation>
    </message>
    <message>
        <source>The video file is not open.</source>
        <translation>视频文件未打开。</translation>
    </message>
    <message>
        <source>A frame without a usable time base (%1/%2) cannot be written.</source>
        <translation>无法写入没有可用时间基准（%1/%2）的帧。</translation>
    </message>
    <message>
        <source>The music cannot be converted.</source>
        <translation>无法转换音乐。</translation>
    </message>
    <message>
        <source>The end of the video file cannot be written (%1).</source>
        <translation>无法写入视频文件的结尾（%1）。</translation>
    </message>
</context>
<context>
    <name>AudioFileForm</name>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
</context>
<context>
    <name>BaseDialog</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>DoneBackBtnsForm</name>
    <message>
        <source>Back to </source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>DoneForm</name>
    <message>
        <source>Play Video</source>
        <translation>播放视频</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Your video is ready to play.</source>
        <translation>您的视频已可以播放。</translation>
    </message>
    <message>
        <source>Click button below to show file.</source>
        <translation>点击下方按钮查看文件。</translation>
    </message>
    <message>
        <source>Open Folder with Video</source>
        <translation>打开视频所在文件夹</translation>
    </message>
    <message>
        <source>Share your video on</source>
        <translation>分享您的视频到</translation>
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
        <translation>有问题或想法？&lt;a href=&quot;%1&quot; style=&quot;color: #0099ff;&quot;&gt;联系我们&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>DownloadingThemeForm</name>
    <message>
        <source>Downloading theme</source>
        <translation>正在下载主题</translation>
    </message>
    <message>
        <source>Downloading theme&apos;s files from internet.</source>
        <translation>正在从互联网下载主题文件。</translation>
    </message>
    <message>
        <source>Depending on your internet connection speed</source>
        <translation>根据您的网络速度，</translation>
    </message>
    <message>
        <source>it can take up to few minutes.</source>
        <translation>可能需要几分钟。</translation>
    </message>
    <message>
        <source>This files will be downloaded only once.</source>
        <translation>这些文件只需下载一次。</translation>
    </message>
</context>
<context>
    <name>DroppedFiles</name>
    <message>
        <source>not a file on this computer</source>
        <translation>不是这台电脑上的文件</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>找不到</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>not a kind of photo that can be opened</source>
        <translation>不是可以打开的照片格式</translation>
    </message>
    <message>
        <source>a folder without photos</source>
        <translation>文件夹中没有照片</translation>
    </message>
    <message>
        <source>a folder without music</source>
        <translation>文件夹中没有音乐</translation>
    </message>
</context>
<context>
    <name>H264Render</name>
    <message>
        <source>The video could not be made.</source>
        <translation>无法制作视频。</translation>
    </message>
    <message>
        <source>There is nothing to render.</source>
        <translation>没有可制作成视频的内容。</translation>
    </message>
    <message>
        <source>The video file could not be written.</source>
        <translation>无法写入视频文件。</translation>
    </message>
    <message>
        <source>The theme has no scene %1.</source>
        <translation>主题中没有场景 %1。</translation>
    </message>
    <message>
        <source>Scene %1 is of an unknown kind (%2).</source>
        <translation>场景 %1 的类型未知（%2）。</translation>
    </message>
    <message>
        <source>Scene %1 has an unknown kind of background (%2).</source>
        <translation>场景 %1 的背景类型未知（%2）。</translation>
    </message>
    <message>
        <source>The background of scene %1 cannot be read: %2</source>
        <translation>无法读取场景 %1 的背景：%2</translation>
    </message>
    <message>
        <source>Scene %1 cannot be prepared: %2</source>
        <translation>无法准备场景 %1：%2</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>%1 could not be opened.</source>
        <translation>无法打开 %1。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Skip Audio</source>
        <translation>跳过音乐</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Back to Themes</source>
        <translation>返回主题</translation>
    </message>
    <message>
        <source>Back to Music</source>
        <translation>返回音乐</translation>
    </message>
    <message>
        <source>Make Video</source>
        <translation>制作视频</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>This project cannot be read; it is left as it is.</source>
        <translation>无法读取此项目；项目保持原样。</translation>
    </message>
    <message>
        <source>Missed audio file will be skipped.</source>
        <translation>缺失的音频文件将被跳过。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The video could not be made: %1</source>
        <translation>无法制作视频：%1</translation>
    </message>
    <message>
        <source>The theme &quot;%1&quot; cannot be read (%2). Please choose another theme.</source>
        <translation>无法读取主题“%1”（%2）。请选择其他主题。</translation>
    </message>
    <message>
        <source>Skip them</source>
        <translation>跳过</translation>
    </message>
    <message>
        <source>Look for them</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Missing pictures</source>
        <translation>缺失的图片</translation>
    </message>
    <message>
        <source>Pictures of this project that are no longer where they were: %1. Look for them in a folder and its subfolders?</source>
        <translation>此项目中不在原位置的图片：%1 张。要在某个文件夹及其子文件夹中查找吗？</translation>
    </message>
    <message>
        <source>Where are the pictures now?</source>
        <translation>图片现在在哪里？</translation>
    </message>
    <message>
        <source>The project could not be saved with the pictures found.</source>
        <translation>无法用找到的图片保存项目。</translation>
    </message>
    <message>
        <source>%1 of %2 missing pictures were found.</source>
        <translation>已找到 %2 张缺失图片中的 %1 张。</translation>
    </message>
    <message>
        <source>Not found, so left out: %1</source>
        <translation>未找到，因此略去：%1</translation>
    </message>
    <message>
        <source>In that folder more than once, so left out: %1</source>
        <translation>在该文件夹中出现多次，因此略去：%1</translation>
    </message>
    <message>
        <source>The theme&apos;s videos are still being downloaded; the preview can play once they are here.</source>
        <translation>主题视频仍在下载中；下载完成后即可播放预览。</translation>
    </message>
    <message>
        <source>There is nothing to preview yet: add photos or text scenes.</source>
        <translation>还没有可预览的内容：请添加照片或文字场景。</translation>
    </message>
</context>
<context>
    <name>MediaVerticalSeparator</name>
    <message>
        <source>You have more content than your music track duration. Photos and text scenes under this line will be excluded from video.</source>
        <translation>内容比音乐时长更长。此线以下的照片和文字场景将不会出现在视频中。</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… 以及另外 %n 项</numerusform>
        </translation>
    </message>
    <message>
        <source>This was not added:
%1</source>
        <translation>以下内容未添加：
%1</translation>
    </message>
    <message>
        <source>These were not added:
%1</source>
        <translation>以下内容未添加：
%1</translation>
    </message>
</context>
<context>
    <name>PreviewDialog</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Preview of the slideshow</source>
        <translation>幻灯片预览</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
</context>
<context>
    <name>PrjManager</name>
    <message>
        <source>1 slide of an unknown kind was left out.</source>
        <translation>已略去 1 张未知类型的幻灯片。</translation>
    </message>
    <message>
        <source>%1 slides of an unknown kind were left out.</source>
        <translation>已略去 %1 张未知类型的幻灯片。</translation>
    </message>
    <message>
        <source>There is no project to save.</source>
        <translation>没有要保存的项目。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a project.</source>
        <translation>“%1”不是项目。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>The project in %1 cannot be read; it is left as it is.</source>
        <translation>无法读取 %1 中的项目；项目保持原样。</translation>
    </message>
    <message>
        <source>The project could not be saved in %1.</source>
        <translation>无法将项目保存到 %1。</translation>
    </message>
    <message>
        <source>%1 is neither a project id nor a project folder.</source>
        <translation>%1 既不是项目 ID，也不是项目文件夹。</translation>
    </message>
    <message>
        <source>There is no project %1 in %2.</source>
        <translation>%2 中没有项目 %1。</translation>
    </message>
</context>
<context>
    <name>ProjectForm</name>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Delete Project</source>
        <translation>删除项目</translation>
    </message>
    <message>
        <source>Untitled project</source>
        <translation>未命名项目</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音乐</translation>
    </message>
    <message>
        <source>Slides</source>
        <translation>幻灯片</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 is missing.</source>
        <translation>缺少 %1。</translation>
    </message>
    <message>
        <source>%1 is not an H.264 video.</source>
        <translation>%1 不是 H.264 视频。</translation>
    </message>
    <message>
        <source>%1 holds no frames.</source>
        <translation>%1 不含任何帧。</translation>
    </message>
</context>
<context>
    <name>RenderProgressForm</name>
    <message>
        <source>Making Video</source>
        <translation>正在制作视频</translation>
    </message>
    <message>
        <source>%1 so far</source>
        <translation>已用时 %1</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>剩余约 %1</translation>
    </message>
</context>
<context>
    <name>RenderWorker</name>
    <message>
        <source>The video cannot be written in %1: %2</source>
        <translation>无法在 %1 中写入视频：%2</translation>
    </message>
    <message>
        <source>%1 appeared during the render and is kept; the new video was not saved.</source>
        <translation>制作期间出现了 %1，已保留该文件；新视频未保存。</translation>
    </message>
    <message>
        <source>The video could not be saved as %1: %2</source>
        <translation>无法将视频保存为 %1：%2</translation>
    </message>
    <message>
        <source>The unfinished file %1 could not be removed.</source>
        <translation>无法删除未完成的文件 %1。</translation>
    </message>
    <message>
        <source>The video is larger than this system allows: a file may hold at most %1 here (%2).</source>
        <translation>视频超出了此系统允许的大小：此处单个文件最多 %1（%2）。</translation>
    </message>
    <message>
        <source>The folder %1, or the unfinished video in it, was removed during the render.</source>
        <translation>制作期间，文件夹 %1 或其中未完成的视频被删除了。</translation>
    </message>
</context>
<context>
    <name>SelectAudioForm</name>
    <message>
        <source>Your theme</source>
        <translation>您的主题</translation>
    </message>
    <message>
        <source>Add Background Music</source>
        <translation>添加背景音乐</translation>
    </message>
    <message>
        <source>Choose Music Files</source>
        <translation>选择音乐文件</translation>
    </message>
    <message>
        <source>Background Music</source>
        <translation>背景音乐</translation>
    </message>
    <message>
        <source>Add More Music</source>
        <translation>添加更多音乐</translation>
    </message>
    <message>
        <source>Skip Audio</source>
        <translation>跳过音乐</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read as music and was not added.</source>
        <translation>“%1”无法作为音乐读取，未添加。</translation>
    </message>
    <message>
        <source>These files cannot be read as music and were not added:
%1</source>
        <translation>以下文件无法作为音乐读取，未添加：
%1</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>打开音频文件</translation>
    </message>
    <message>
        <source>(*.mp3 *.m4a)</source>
        <translation>(*.mp3 *.m4a)</translation>
    </message>
    <message>
        <source>cannot be read as music</source>
        <translation>无法作为音乐读取</translation>
    </message>
    <message>
        <source>MP3 or M4A files play one after another under your slides. Choose them, or drop them here.</source>
        <translation>MP3 或 M4A 文件将在幻灯片播放时依次播放。选择它们，或将它们拖放到这里。</translation>
    </message>
</context>
<context>
    <name>SelectImagesForm</name>
    <message>
        <source>Add Images</source>
        <translation>添加图片</translation>
    </message>
    <message>
        <source>Add Folder with Images</source>
        <translation>添加图片文件夹</translation>
    </message>
    <message>
        <source>Add Text Scene</source>
        <translation>添加文字场景</translation>
    </message>
    <message>
        <source>Add music</source>
        <translation>添加音乐</translation>
    </message>
    <message>
        <source>Audio Files</source>
        <translation>个音频文件</translation>
    </message>
    <message>
        <source>Missed image files will be skipped.</source>
        <translation>缺失的图片文件将被跳过。</translation>
    </message>
    <message>
        <source>Import Image Files</source>
        <translation>导入图片文件</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Add photos and text scenes, or drop photos and folders here: they play in the order you give them.</source>
        <translation>添加照片和文字场景，或将照片和文件夹拖放到这里：它们将按你给定的顺序播放。</translation>
    </message>
</context>
<context>
    <name>SelectThemeForm</name>
    <message>
        <source>My Recent Projects</source>
        <translation>我的最近项目</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>显示全部</translation>
    </message>
    <message>
        <source>Hide all</source>
        <translation>全部隐藏</translation>
    </message>
    <message>
        <source>Select Theme</source>
        <translation>选择主题</translation>
    </message>
    <message>
        <source>Subscribe for new Themes and Updates</source>
        <translation>订阅新主题和更新</translation>
    </message>
    <message>
        <source>Follow us</source>
        <translation>关注我们</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Delete Project</source>
        <translation>删除项目</translation>
    </message>
    <message>
        <source>The project will be removed from this computer. This cannot be undone.</source>
        <translation>该项目将从此电脑中删除。此操作无法撤销。</translation>
    </message>
    <message>
        <source>The project could not be deleted.</source>
        <translation>无法删除该项目。</translation>
    </message>
</context>
<context>
    <name>SettingsForm</name>
    <message>
        <source>Video settings</source>
        <translation>视频设置</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>视频质量</translation>
    </message>
    <message>
        <source>HD (1280x720)</source>
        <translation>高清 (1280×720)</translation>
    </message>
    <message>
        <source>Full HD (1920x1080)</source>
        <translation>全高清 (1920×1080)</translation>
    </message>
    <message>
        <source>Result Directory</source>
        <translation>保存位置</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>Add Pictavio logo at the end of the video</source>
        <translation>在视频结尾添加 Pictavio 标志</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
</context>
<context>
    <name>SlideForm</name>
    <message>
        <source>Turn left</source>
        <translation>向左旋转</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>向右旋转</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>This picture cannot be read; it is left out of the video.</source>
        <translation>无法读取此图片，它将不会出现在视频中。</translation>
    </message>
    <message>
        <source>Delete removes the slide; [ and ] turn the picture.</source>
        <translation>按 Delete 删除幻灯片，按 [ 和 ] 旋转图片。</translation>
    </message>
    <message>
        <source>Delete removes the slide; Enter edits the text.</source>
        <translation>按 Delete 删除幻灯片，按 Enter 编辑文字。</translation>
    </message>
    <message>
        <source>Ctrl+Left and Ctrl+Right move the slide.</source>
        <translation>按 Ctrl+← 和 Ctrl+→ 移动幻灯片。</translation>
    </message>
</context>
<context>
    <name>Slideshow</name>
    <message>
        <source>Its theme &quot;%1&quot; cannot be read (%2).</source>
        <translation>无法读取其主题“%1”（%2）。</translation>
    </message>
</context>
<context>
    <name>TextSceneDialog</name>
    <message>
        <source>Text Scene</source>
        <translation>文字场景</translation>
    </message>
    <message>
        <source>Add Text Scene</source>
        <translation>添加文字场景</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Edit Text Scene</source>
        <translation>编辑文字场景</translation>
    </message>
    <message>
        <source>Type your text here...</source>
        <translation>在此输入文字...</translation>
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
        <translation>选择其他主题</translation>
    </message>
    <message>
        <source>Retry download</source>
        <translation>重新下载</translation>
    </message>
    <message>
        <source>Network problem</source>
        <translation>网络问题</translation>
    </message>
</context>
<context>
    <name>ThemeDownloadErrorForm</name>
    <message>
        <source>We have problem with downloading theme files from internet.</source>
        <translation>从互联网下载主题文件时出现问题。</translation>
    </message>
    <message>
        <source>Please check your internet connection and try again.</source>
        <translation>请检查您的网络连接，然后重试。</translation>
    </message>
    <message>
        <source>If this problem persists, please contact our support at </source>
        <translation>如仍有问题，请联系客服：</translation>
    </message>
</context>
<context>
    <name>ThemeThumbnailForm</name>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Use this theme</source>
        <translation>使用此主题</translation>
    </message>
</context>
<context>
    <name>TmplDownloadManager</name>
    <message>
        <source>The theme could not be read, so its files cannot be fetched.</source>
        <translation>无法读取主题，因此无法下载其文件。</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>无法写入 %1。</translation>
    </message>
    <message>
        <source>%1 is larger than a theme video can be: %2, at most %3.</source>
        <translation>%1 超出了主题视频的大小上限：%2，最多 %3。</translation>
    </message>
    <message>
        <source>The disk is full: %1 needs %2, but %3 has only %4 free.</source>
        <translation>磁盘已满：%1 需要 %2，但 %3 只剩 %4 可用空间。</translation>
    </message>
    <message>
        <source>The disk is full: %1 cannot be written.</source>
        <translation>磁盘已满：无法写入 %1。</translation>
    </message>
    <message>
        <source>The server sends %1 too slowly: %2 in the last %3 s, at least %4 a second are needed.</source>
        <translation>服务器发送 %1 的速度太慢：最近 %3 秒仅 %2，至少需要每秒 %4。</translation>
    </message>
    <message>
        <source>The server sends %1 too slowly: %2 of %3 in %4 s.</source>
        <translation>服务器发送 %1 的速度太慢：%4 秒内仅收到 %3 中的 %2。</translation>
    </message>
    <message>
        <source>The server answered %1 for %2.</source>
        <translation>服务器对 %2 返回了 %1。</translation>
    </message>
    <message>
        <source>%1 arrived incomplete: %2 of %3 bytes.</source>
        <translation>%1 接收不完整：%3 字节中仅收到 %2 字节。</translation>
    </message>
    <message>
        <source>Secure connection failed.</source>
        <translation>安全连接失败。</translation>
    </message>
    <message>
        <source>The server stopped sending %1: nothing came for %2 s.</source>
        <translation>服务器已停止发送 %1：%2 秒内没有收到任何数据。</translation>
    </message>
</context>
<context>
    <name>VideoSettings</name>
    <message>
        <source>No folder was chosen for the video.</source>
        <translation>尚未选择视频的保存文件夹。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>The folder %1 does not accept new files.</source>
        <translation>文件夹 %1 无法写入新文件。</translation>
    </message>
</context>
</TS>
