<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AVInput</name>
    <message>
        <source>%1 cannot be opened (%2).</source>
        <translation>%1 を開けません（%2）。</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2).</source>
        <translation>%1 を読み込めません（%2）。</translation>
    </message>
    <message>
        <source>%1 has no sound.</source>
        <translation>%1 には音声がありません。</translation>
    </message>
    <message>
        <source>%1 has no video.</source>
        <translation>%1 には映像がありません。</translation>
    </message>
    <message>
        <source>%1 uses a format that cannot be decoded.</source>
        <translation>%1 はデコードできない形式です。</translation>
    </message>
    <message>
        <source>%1 cannot be decoded (%2).</source>
        <translation>%1 をデコードできません（%2）。</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 を読み込めません。</translation>
    </message>
    <message>
        <source>%1 cannot be opened as a picture.</source>
        <translation>%1 を画像として開けません。</translation>
    </message>
    <message>
        <source>Out of memory for %1.</source>
        <translation>%1 を処理するためのメモリが足りません。</translation>
    </message>
</context>
<context>
    <name>AVOutput</name>
    <message>
        <source>No H.264 encoder is available.</source>
        <translation>H.264 エンコーダーを利用できません。</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>メモリが足りません。</translation>
    </message>
    <message>
        <source>The video encoder cannot start (%1).</source>
        <translation>動画エンコーダーを開始できません（%1）。</translation>
    </message>
    <message>
        <source>No AAC encoder is available.</source>
        <translation>AAC エンコーダーを利用できません。</translation>
    </message>
    <message>
        <source>The audio encoder cannot start (%1).</source>
        <translation>音声エンコーダーを開始できません（%1）。</translation>
    </message>
    <message>
        <source>The video settings are not usable.</source>
        <translation>この動画の設定は使用できません。</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2).</source>
        <translation>%1 に書き込めません（%2）。</translation>
    </message>
    <message>
        <source>The video header cannot be written (%1).</source>
        <translation>動画のヘッダーを書き込めません（%1）。</translation>
    </message>
    <message>
        <source>The video cannot be encoded (%1).</source>
        <translation>動画をエンコードできません（%1）。</translation>
    </message>
    <message>
        <source>The video file cannot be written (%1).</source>
        <translation>動画ファイルに書き込めません（%1）。</translation>
    </message>
    <message>
        <source>The video file is not open.</source>
        <translation>動画ファイルが開かれていません。</translation>
    </message>
    <message>
        <source>A frame without a usable time base (%1/%2) cannot be written.</source>
        <translation>有効なタイムベースのないフレーム（%1/%2）は書き込めません。</translation>
    </message>
    <message>
        <source>The music cannot be converted.</source>
        <translation>音楽を変換できません。</translation>
    </message>
    <message>
        <source>The end of the video file cannot be written (%1).</source>
        <translation>動画ファイルの末尾を書き込めません（%1）。</translation>
    </message>
</context>
<context>
    <name>AudioFileForm</name>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
</context>
<context>
    <name>BaseDialog</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>DoneBackBtnsForm</name>
    <message>
        <source>Back to </source>
        <translation>戻る: </translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>DoneForm</name>
    <message>
        <source>Play Video</source>
        <translation>動画を再生</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Your video is ready to play.</source>
        <translation>動画の準備ができました。</translation>
    </message>
    <message>
        <source>Click button below to show file.</source>
        <translation>下のボタンをクリックするとファイルを表示します。</translation>
    </message>
    <message>
        <source>Open Folder with Video</source>
        <translation>動画のフォルダーを開く</translation>
    </message>
    <message>
        <source>Share your video on</source>
        <translation>動画を共有:</translation>
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
        <translation>ご質問やご意見は &lt;a href=&quot;%1&quot; style=&quot;color: #0099ff;&quot;&gt;お問い合わせ&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>DownloadingThemeForm</name>
    <message>
        <source>Downloading theme</source>
        <translation>テーマをダウンロード中</translation>
    </message>
    <message>
        <source>Downloading theme&apos;s files from internet.</source>
        <translation>テーマのファイルをインターネットからダウンロードしています。</translation>
    </message>
    <message>
        <source>Depending on your internet connection speed</source>
        <translation>インターネット接続の速度によっては</translation>
    </message>
    <message>
        <source>it can take up to few minutes.</source>
        <translation>数分かかることがあります。</translation>
    </message>
    <message>
        <source>This files will be downloaded only once.</source>
        <translation>これらのファイルのダウンロードは初回のみです。</translation>
    </message>
</context>
<context>
    <name>DroppedFiles</name>
    <message>
        <source>not a file on this computer</source>
        <translation>このコンピューター上のファイルではありません</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>not a kind of photo that can be opened</source>
        <translation>開ける写真の形式ではありません</translation>
    </message>
    <message>
        <source>a folder without photos</source>
        <translation>写真のないフォルダー</translation>
    </message>
    <message>
        <source>a folder without music</source>
        <translation>音楽のないフォルダー</translation>
    </message>
</context>
<context>
    <name>H264Render</name>
    <message>
        <source>The video could not be made.</source>
        <translation>動画を作成できませんでした。</translation>
    </message>
    <message>
        <source>There is nothing to render.</source>
        <translation>動画にする内容がありません。</translation>
    </message>
    <message>
        <source>The video file could not be written.</source>
        <translation>動画ファイルに書き込めませんでした。</translation>
    </message>
    <message>
        <source>The theme has no scene %1.</source>
        <translation>テーマにシーン %1 がありません。</translation>
    </message>
    <message>
        <source>Scene %1 is of an unknown kind (%2).</source>
        <translation>シーン %1 は不明な種類です（%2）。</translation>
    </message>
    <message>
        <source>Scene %1 has an unknown kind of background (%2).</source>
        <translation>シーン %1 の背景は不明な種類です（%2）。</translation>
    </message>
    <message>
        <source>The background of scene %1 cannot be read: %2</source>
        <translation>シーン %1 の背景を読み込めません: %2</translation>
    </message>
    <message>
        <source>Scene %1 cannot be prepared: %2</source>
        <translation>シーン %1 を準備できません: %2</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>%1 could not be opened.</source>
        <translation>%1 を開けませんでした。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Skip Audio</source>
        <translation>音楽なしで続ける</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Back to Themes</source>
        <translation>テーマに戻る</translation>
    </message>
    <message>
        <source>Back to Music</source>
        <translation>音楽に戻る</translation>
    </message>
    <message>
        <source>Make Video</source>
        <translation>動画を作成</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>This project cannot be read; it is left as it is.</source>
        <translation>このプロジェクトを読み込めません。プロジェクトは変更されません。</translation>
    </message>
    <message>
        <source>Missed audio file will be skipped.</source>
        <translation>見つからない音声ファイルは省略します。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The video could not be made: %1</source>
        <translation>動画を作成できませんでした: %1</translation>
    </message>
    <message>
        <source>The theme &quot;%1&quot; cannot be read (%2). Please choose another theme.</source>
        <translation>テーマ「%1」を読み込めません（%2）。別のテーマを選んでください。</translation>
    </message>
    <message>
        <source>Skip them</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Look for them</source>
        <translation>探す</translation>
    </message>
    <message>
        <source>Missing pictures</source>
        <translation>見つからない画像</translation>
    </message>
    <message>
        <source>Pictures of this project that are no longer where they were: %1. Look for them in a folder and its subfolders?</source>
        <translation>元の場所にないこのプロジェクトの画像: %1。フォルダーとそのサブフォルダーから探しますか？</translation>
    </message>
    <message>
        <source>Where are the pictures now?</source>
        <translation>画像は今どこにありますか？</translation>
    </message>
    <message>
        <source>The project could not be saved with the pictures found.</source>
        <translation>見つかった画像でプロジェクトを保存できませんでした。</translation>
    </message>
    <message>
        <source>%1 of %2 missing pictures were found.</source>
        <translation>見つからなかった画像 %2 枚のうち %1 枚が見つかりました。</translation>
    </message>
    <message>
        <source>Not found, so left out: %1</source>
        <translation>見つからないため除外: %1</translation>
    </message>
    <message>
        <source>In that folder more than once, so left out: %1</source>
        <translation>そのフォルダーに複数あるため除外: %1</translation>
    </message>
    <message>
        <source>The theme&apos;s videos are still being downloaded; the preview can play once they are here.</source>
        <translation>テーマの動画をまだダウンロード中です。届きしだいプレビューを再生できます。</translation>
    </message>
    <message>
        <source>There is nothing to preview yet: add photos or text scenes.</source>
        <translation>プレビューするものがまだありません。写真かテキストシーンを追加してください。</translation>
    </message>
</context>
<context>
    <name>MediaVerticalSeparator</name>
    <message>
        <source>You have more content than your music track duration. Photos and text scenes under this line will be excluded from video.</source>
        <translation>コンテンツが音楽より長くなっています。この線より下の写真とテキストシーンは動画に含まれません。</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… ほか %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>This was not added:
%1</source>
        <translation>次のものは追加されませんでした:
%1</translation>
    </message>
    <message>
        <source>These were not added:
%1</source>
        <translation>次のものは追加されませんでした:
%1</translation>
    </message>
</context>
<context>
    <name>PreviewDialog</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Preview of the slideshow</source>
        <translation>スライドショーのプレビュー</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
</context>
<context>
    <name>PrjManager</name>
    <message>
        <source>1 slide of an unknown kind was left out.</source>
        <translation>不明な種類のスライド 1 枚を除外しました。</translation>
    </message>
    <message>
        <source>%1 slides of an unknown kind were left out.</source>
        <translation>不明な種類のスライド %1 枚を除外しました。</translation>
    </message>
    <message>
        <source>There is no project to save.</source>
        <translation>保存するプロジェクトがありません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a project.</source>
        <translation>「%1」はプロジェクトではありません。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>フォルダー %1 を作成できません。</translation>
    </message>
    <message>
        <source>The project in %1 cannot be read; it is left as it is.</source>
        <translation>%1 のプロジェクトを読み込めません。プロジェクトは変更されません。</translation>
    </message>
    <message>
        <source>The project could not be saved in %1.</source>
        <translation>プロジェクトを %1 に保存できませんでした。</translation>
    </message>
    <message>
        <source>%1 is neither a project id nor a project folder.</source>
        <translation>%1 はプロジェクト ID でもプロジェクトフォルダーでもありません。</translation>
    </message>
    <message>
        <source>There is no project %1 in %2.</source>
        <translation>%2 にプロジェクト %1 はありません。</translation>
    </message>
</context>
<context>
    <name>ProjectForm</name>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Delete Project</source>
        <translation>プロジェクトを削除</translation>
    </message>
    <message>
        <source>Untitled project</source>
        <translation>無題のプロジェクト</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音楽</translation>
    </message>
    <message>
        <source>Slides</source>
        <translation>スライド</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 is missing.</source>
        <translation>%1 が見つかりません。</translation>
    </message>
    <message>
        <source>%1 is not an H.264 video.</source>
        <translation>%1 は H.264 の動画ではありません。</translation>
    </message>
    <message>
        <source>%1 holds no frames.</source>
        <translation>%1 にはフレームがありません。</translation>
    </message>
</context>
<context>
    <name>RenderProgressForm</name>
    <message>
        <source>Making Video</source>
        <translation>動画を作成中</translation>
    </message>
    <message>
        <source>%1 so far</source>
        <translation>経過時間 %1</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>残り約 %1</translation>
    </message>
</context>
<context>
    <name>RenderWorker</name>
    <message>
        <source>The video cannot be written in %1: %2</source>
        <translation>%1 に動画を書き込めません: %2</translation>
    </message>
    <message>
        <source>%1 appeared during the render and is kept; the new video was not saved.</source>
        <translation>動画の作成中に %1 ができたため、そのまま残します。新しい動画は保存されませんでした。</translation>
    </message>
    <message>
        <source>The video could not be saved as %1: %2</source>
        <translation>動画を %1 として保存できませんでした: %2</translation>
    </message>
    <message>
        <source>The unfinished file %1 could not be removed.</source>
        <translation>未完成のファイル %1 を削除できませんでした。</translation>
    </message>
    <message>
        <source>The video is larger than this system allows: a file may hold at most %1 here (%2).</source>
        <translation>動画がこのシステムの上限を超えています。ここでは 1 つのファイルは最大 %1 までです（%2）。</translation>
    </message>
    <message>
        <source>The folder %1, or the unfinished video in it, was removed during the render.</source>
        <translation>動画の作成中に、フォルダー %1 またはその中の未完成の動画が削除されました。</translation>
    </message>
</context>
<context>
    <name>SelectAudioForm</name>
    <message>
        <source>Your theme</source>
        <translation>選んだテーマ</translation>
    </message>
    <message>
        <source>Add Background Music</source>
        <translation>BGMを追加</translation>
    </message>
    <message>
        <source>Choose Music Files</source>
        <translation>音楽ファイルを選択</translation>
    </message>
    <message>
        <source>Background Music</source>
        <translation>BGM</translation>
    </message>
    <message>
        <source>Add More Music</source>
        <translation>さらに音楽を追加</translation>
    </message>
    <message>
        <source>Skip Audio</source>
        <translation>音楽なしで続ける</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read as music and was not added.</source>
        <translation>「%1」は音楽として読み込めないため、追加されませんでした。</translation>
    </message>
    <message>
        <source>These files cannot be read as music and were not added:
%1</source>
        <translation>次のファイルは音楽として読み込めないため、追加されませんでした:
%1</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>音声ファイルを開く</translation>
    </message>
    <message>
        <source>(*.mp3 *.m4a)</source>
        <translation>(*.mp3 *.m4a)</translation>
    </message>
    <message>
        <source>cannot be read as music</source>
        <translation>音楽として読み込めません</translation>
    </message>
    <message>
        <source>MP3 or M4A files play one after another under your slides. Choose them, or drop them here.</source>
        <translation>MP3 または M4A ファイルがスライドの背景で順番に流れます。選ぶか、ここにドロップしてください。</translation>
    </message>
</context>
<context>
    <name>SelectImagesForm</name>
    <message>
        <source>Add Images</source>
        <translation>画像を追加</translation>
    </message>
    <message>
        <source>Add Folder with Images</source>
        <translation>画像フォルダーを追加</translation>
    </message>
    <message>
        <source>Add Text Scene</source>
        <translation>テキストシーンを追加</translation>
    </message>
    <message>
        <source>Add music</source>
        <translation>音楽を追加</translation>
    </message>
    <message>
        <source>Audio Files</source>
        <translation>件の音声ファイル</translation>
    </message>
    <message>
        <source>Missed image files will be skipped.</source>
        <translation>見つからない画像ファイルは省略します。</translation>
    </message>
    <message>
        <source>Import Image Files</source>
        <translation>画像ファイルを読み込む</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Add photos and text scenes, or drop photos and folders here: they play in the order you give them.</source>
        <translation>写真とテキストシーンを追加するか、写真やフォルダーをここにドロップしてください。並べた順に再生されます。</translation>
    </message>
</context>
<context>
    <name>SelectThemeForm</name>
    <message>
        <source>My Recent Projects</source>
        <translation>最近のプロジェクト</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>すべて表示</translation>
    </message>
    <message>
        <source>Hide all</source>
        <translation>すべて隠す</translation>
    </message>
    <message>
        <source>Select Theme</source>
        <translation>テーマを選択</translation>
    </message>
    <message>
        <source>Subscribe for new Themes and Updates</source>
        <translation>新しいテーマと更新情報を受け取る</translation>
    </message>
    <message>
        <source>Follow us</source>
        <translation>フォローする</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete Project</source>
        <translation>プロジェクトを削除</translation>
    </message>
    <message>
        <source>The project will be removed from this computer. This cannot be undone.</source>
        <translation>プロジェクトはこのコンピューターから削除されます。この操作は元に戻せません。</translation>
    </message>
    <message>
        <source>The project could not be deleted.</source>
        <translation>プロジェクトを削除できませんでした。</translation>
    </message>
</context>
<context>
    <name>SettingsForm</name>
    <message>
        <source>Video settings</source>
        <translation>動画の設定</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>画質</translation>
    </message>
    <message>
        <source>HD (1280x720)</source>
        <translation>HD (1280×720)</translation>
    </message>
    <message>
        <source>Full HD (1920x1080)</source>
        <translation>フル HD (1920×1080)</translation>
    </message>
    <message>
        <source>Result Directory</source>
        <translation>保存先フォルダー</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>Add Pictavio logo at the end of the video</source>
        <translation>動画の最後に Pictavio のロゴを入れる</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
</context>
<context>
    <name>SlideForm</name>
    <message>
        <source>Turn left</source>
        <translation>左に回転</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>右に回転</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>This picture cannot be read; it is left out of the video.</source>
        <translation>この画像を読み込めないため、動画には含まれません。</translation>
    </message>
    <message>
        <source>Delete removes the slide; [ and ] turn the picture.</source>
        <translation>Delete でスライドを削除、[ と ] で画像を回転します。</translation>
    </message>
    <message>
        <source>Delete removes the slide; Enter edits the text.</source>
        <translation>Delete でスライドを削除、Enter でテキストを編集します。</translation>
    </message>
    <message>
        <source>Ctrl+Left and Ctrl+Right move the slide.</source>
        <translation>Ctrl+← と Ctrl+→ でスライドを移動します。</translation>
    </message>
</context>
<context>
    <name>Slideshow</name>
    <message>
        <source>Its theme &quot;%1&quot; cannot be read (%2).</source>
        <translation>このプロジェクトのテーマ「%1」を読み込めません（%2）。</translation>
    </message>
</context>
<context>
    <name>TextSceneDialog</name>
    <message>
        <source>Text Scene</source>
        <translation>テキストシーン</translation>
    </message>
    <message>
        <source>Add Text Scene</source>
        <translation>テキストシーンを追加</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Edit Text Scene</source>
        <translation>テキストシーンを編集</translation>
    </message>
    <message>
        <source>Type your text here...</source>
        <translation>ここにテキストを入力...</translation>
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
        <translation>別のテーマを選ぶ</translation>
    </message>
    <message>
        <source>Retry download</source>
        <translation>再ダウンロード</translation>
    </message>
    <message>
        <source>Network problem</source>
        <translation>ネットワークの問題</translation>
    </message>
</context>
<context>
    <name>ThemeDownloadErrorForm</name>
    <message>
        <source>We have problem with downloading theme files from internet.</source>
        <translation>テーマのダウンロードに失敗しました。</translation>
    </message>
    <message>
        <source>Please check your internet connection and try again.</source>
        <translation>接続を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>If this problem persists, please contact our support at </source>
        <translation>問題が続く場合はサポートへご連絡ください: </translation>
    </message>
</context>
<context>
    <name>ThemeThumbnailForm</name>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Use this theme</source>
        <translation>このテーマを使う</translation>
    </message>
</context>
<context>
    <name>TmplDownloadManager</name>
    <message>
        <source>The theme could not be read, so its files cannot be fetched.</source>
        <translation>テーマを読み込めなかったため、ファイルをダウンロードできません。</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 に書き込めません。</translation>
    </message>
    <message>
        <source>%1 is larger than a theme video can be: %2, at most %3.</source>
        <translation>%1 はテーマ動画の上限を超えています: %2（上限 %3）。</translation>
    </message>
    <message>
        <source>The disk is full: %1 needs %2, but %3 has only %4 free.</source>
        <translation>ディスクがいっぱいです: %1 には %2 必要ですが、%3 の空き容量は %4 しかありません。</translation>
    </message>
    <message>
        <source>The disk is full: %1 cannot be written.</source>
        <translation>ディスクがいっぱいです: %1 に書き込めません。</translation>
    </message>
    <message>
        <source>The server sends %1 too slowly: %2 in the last %3 s, at least %4 a second are needed.</source>
        <translation>サーバーから %1 が届くのが遅すぎます: 直近 %3 秒で %2。毎秒 %4 以上必要です。</translation>
    </message>
    <message>
        <source>The server sends %1 too slowly: %2 of %3 in %4 s.</source>
        <translation>サーバーから %1 が届くのが遅すぎます: %4 秒で %3 のうち %2。</translation>
    </message>
    <message>
        <source>The server answered %1 for %2.</source>
        <translation>サーバーは %2 に対して %1 を返しました。</translation>
    </message>
    <message>
        <source>%1 arrived incomplete: %2 of %3 bytes.</source>
        <translation>%1 が不完全なまま届きました: %3 バイト中 %2 バイト。</translation>
    </message>
    <message>
        <source>Secure connection failed.</source>
        <translation>安全な接続を確立できませんでした。</translation>
    </message>
    <message>
        <source>The server stopped sending %1: nothing came for %2 s.</source>
        <translation>サーバーからの %1 の送信が止まりました: %2 秒間何も届いていません。</translation>
    </message>
</context>
<context>
    <name>VideoSettings</name>
    <message>
        <source>No folder was chosen for the video.</source>
        <translation>動画の保存先フォルダーが選ばれていません。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>フォルダー %1 を作成できません。</translation>
    </message>
    <message>
        <source>The folder %1 does not accept new files.</source>
        <translation>フォルダー %1 には新しいファイルを作成できません。</translation>
    </message>
</context>
</TS>
