<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>AVInput</name>
    <message>
        <source>%1 cannot be opened (%2).</source>
        <translation>%1 tidak dapat dibuka (%2).</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2).</source>
        <translation>%1 tidak dapat dibaca (%2).</translation>
    </message>
    <message>
        <source>%1 has no sound.</source>
        <translation>%1 tidak memiliki suara.</translation>
    </message>
    <message>
        <source>%1 has no video.</source>
        <translation>%1 tidak memiliki video.</translation>
    </message>
    <message>
        <source>%1 uses a format that cannot be decoded.</source>
        <translation>%1 menggunakan format yang tidak dapat didekode.</translation>
    </message>
    <message>
        <source>%1 cannot be decoded (%2).</source>
        <translation>%1 tidak dapat didekode (%2).</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 tidak dapat dibaca.</translation>
    </message>
    <message>
        <source>%1 cannot be opened as a picture.</source>
        <translation>%1 tidak dapat dibuka sebagai gambar.</translation>
    </message>
    <message>
        <source>Out of memory for %1.</source>
        <translation>Memori tidak cukup untuk %1.</translation>
    </message>
</context>
<context>
    <name>AVOutput</name>
    <message>
        <source>No H.264 encoder is available.</source>
        <translation>Tidak ada encoder H.264 yang tersedia.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Memori tidak cukup.</translation>
    </message>
    <message>
        <source>The video encoder cannot start (%1).</source>
        <translation>Encoder video tidak dapat dimulai (%1).</translation>
    </message>
    <message>
        <source>No AAC encoder is available.</source>
        <translation>Tidak ada encoder AAC yang tersedia.</translation>
    </message>
    <message>
        <source>The audio encoder cannot start (%1).</source>
        <translation>Encoder audio tidak dapat dimulai (%1).</translation>
    </message>
    <message>
        <source>The video settings are not usable.</source>
        <translation>Pengaturan video tidak dapat digunakan.</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2).</source>
        <translation>%1 tidak dapat ditulis (%2).</translation>
    </message>
    <message>
        <source>The video header cannot be written (%1).</source>
        <translation>Header video tidak dapat ditulis (%1).</translation>
    </message>
    <message>
        <source>The video cannot be encoded (%1).</source>
        <translation>Video tidak dapat dienkode (%1).</translation>
    </message>
    <message>
        <source>The video file cannot be written (%1).</source>
        <translation>Berkas video tidak dapat ditulis (%1).</translation>
    </message>
    <message>
        <source>The video file is not open.</source>
        <translation>Berkas video tidak terbuka.</translation>
    </message>
    <message>
        <source>A frame without a usable time base (%1/%2) cannot be written.</source>
        <translation>Bingkai tanpa basis waktu yang dapat digunakan (%1/%2) tidak dapat ditulis.</translation>
    </message>
    <message>
        <source>The music cannot be converted.</source>
        <translation>Musik tidak dapat dikonversi.</translation>
    </message>
    <message>
        <source>The end of the video file cannot be written (%1).</source>
        <translation>Bagian akhir berkas video tidak dapat ditulis (%1).</translation>
    </message>
</context>
<context>
    <name>AudioFileForm</name>
    <message>
        <source>Remove</source>
        <translation>Hapus</translation>
    </message>
</context>
<context>
    <name>BaseDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Selesai</translation>
    </message>
</context>
<context>
    <name>DoneBackBtnsForm</name>
    <message>
        <source>Back to </source>
        <translation>Kembali ke </translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Selesai</translation>
    </message>
</context>
<context>
    <name>DoneForm</name>
    <message>
        <source>Play Video</source>
        <translation>Putar Video</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Selesai</translation>
    </message>
    <message>
        <source>Your video is ready to play.</source>
        <translation>Video Anda siap diputar.</translation>
    </message>
    <message>
        <source>Click button below to show file.</source>
        <translation>Klik tombol di bawah untuk melihat berkas.</translation>
    </message>
    <message>
        <source>Open Folder with Video</source>
        <translation>Buka Folder Video</translation>
    </message>
    <message>
        <source>Share your video on</source>
        <translation>Bagikan video Anda di</translation>
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
        <translation>Ada pertanyaan atau ide? &lt;a href=&quot;%1&quot; style=&quot;color: #0099ff;&quot;&gt;Hubungi kami&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>DownloadingThemeForm</name>
    <message>
        <source>Downloading theme</source>
        <translation>Mengunduh tema</translation>
    </message>
    <message>
        <source>Downloading theme&apos;s files from internet.</source>
        <translation>Mengunduh berkas tema dari internet.</translation>
    </message>
    <message>
        <source>Depending on your internet connection speed</source>
        <translation>Tergantung kecepatan koneksi internet Anda,</translation>
    </message>
    <message>
        <source>it can take up to few minutes.</source>
        <translation>proses ini bisa memakan waktu beberapa menit.</translation>
    </message>
    <message>
        <source>This files will be downloaded only once.</source>
        <translation>Berkas ini hanya diunduh sekali.</translation>
    </message>
</context>
<context>
    <name>DroppedFiles</name>
    <message>
        <source>not a file on this computer</source>
        <translation>bukan berkas di komputer ini</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>tidak ditemukan</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>bukan berkas biasa</translation>
    </message>
    <message>
        <source>not a kind of photo that can be opened</source>
        <translation>bukan jenis foto yang dapat dibuka</translation>
    </message>
    <message>
        <source>a folder without photos</source>
        <translation>folder tanpa foto</translation>
    </message>
    <message>
        <source>a folder without music</source>
        <translation>folder tanpa musik</translation>
    </message>
</context>
<context>
    <name>H264Render</name>
    <message>
        <source>The video could not be made.</source>
        <translation>Video tidak dapat dibuat.</translation>
    </message>
    <message>
        <source>There is nothing to render.</source>
        <translation>Tidak ada konten untuk dijadikan video.</translation>
    </message>
    <message>
        <source>The video file could not be written.</source>
        <translation>Berkas video tidak dapat ditulis.</translation>
    </message>
    <message>
        <source>The theme has no scene %1.</source>
        <translation>Tema tidak memiliki adegan %1.</translation>
    </message>
    <message>
        <source>Scene %1 is of an unknown kind (%2).</source>
        <translation>Adegan %1 berjenis tidak dikenal (%2).</translation>
    </message>
    <message>
        <source>Scene %1 has an unknown kind of background (%2).</source>
        <translation>Adegan %1 memiliki latar berjenis tidak dikenal (%2).</translation>
    </message>
    <message>
        <source>The background of scene %1 cannot be read: %2</source>
        <translation>Latar adegan %1 tidak dapat dibaca: %2</translation>
    </message>
    <message>
        <source>Scene %1 cannot be prepared: %2</source>
        <translation>Adegan %1 tidak dapat disiapkan: %2</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>%1 could not be opened.</source>
        <translation>%1 tidak dapat dibuka.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Skip Audio</source>
        <translation>Lewati Audio</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Selesai</translation>
    </message>
    <message>
        <source>Back to Themes</source>
        <translation>Kembali ke Tema</translation>
    </message>
    <message>
        <source>Back to Music</source>
        <translation>Kembali ke Musik</translation>
    </message>
    <message>
        <source>Make Video</source>
        <translation>Buat Video</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Kembali</translation>
    </message>
    <message>
        <source>This project cannot be read; it is left as it is.</source>
        <translation>Proyek ini tidak dapat dibaca; proyek dibiarkan apa adanya.</translation>
    </message>
    <message>
        <source>Missed audio file will be skipped.</source>
        <translation>Berkas audio yang hilang akan dilewati.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>The video could not be made: %1</source>
        <translation>Video tidak dapat dibuat: %1</translation>
    </message>
    <message>
        <source>The theme &quot;%1&quot; cannot be read (%2). Please choose another theme.</source>
        <translation>Tema &quot;%1&quot; tidak dapat dibaca (%2). Silakan pilih tema lain.</translation>
    </message>
    <message>
        <source>Skip them</source>
        <translation>Lewati</translation>
    </message>
    <message>
        <source>Look for them</source>
        <translation>Cari</translation>
    </message>
    <message>
        <source>Missing pictures</source>
        <translation>Gambar yang hilang</translation>
    </message>
    <message>
        <source>Pictures of this project that are no longer where they were: %1. Look for them in a folder and its subfolders?</source>
        <translation>Gambar proyek ini yang tidak lagi berada di tempatnya: %1. Cari di sebuah folder dan subfoldernya?</translation>
    </message>
    <message>
        <source>Where are the pictures now?</source>
        <translation>Di mana gambar-gambar itu sekarang?</translation>
    </message>
    <message>
        <source>The project could not be saved with the pictures found.</source>
        <translation>Proyek tidak dapat disimpan dengan gambar yang ditemukan.</translation>
    </message>
    <message>
        <source>%1 of %2 missing pictures were found.</source>
        <translation>%1 dari %2 gambar yang hilang ditemukan.</translation>
    </message>
    <message>
        <source>Not found, so left out: %1</source>
        <translation>Tidak ditemukan, jadi dilewati: %1</translation>
    </message>
    <message>
        <source>In that folder more than once, so left out: %1</source>
        <translation>Ada lebih dari sekali di folder itu, jadi dilewati: %1</translation>
    </message>
    <message>
        <source>The theme&apos;s videos are still being downloaded; the preview can play once they are here.</source>
        <translation>Video tema masih diunduh; pratinjau dapat diputar setelah video tersedia.</translation>
    </message>
    <message>
        <source>There is nothing to preview yet: add photos or text scenes.</source>
        <translation>Belum ada yang bisa dipratinjau: tambahkan foto atau adegan teks.</translation>
    </message>
</context>
<context>
    <name>MediaVerticalSeparator</name>
    <message>
        <source>You have more content than your music track duration. Photos and text scenes under this line will be excluded from video.</source>
        <translation>Konten Anda lebih panjang dari durasi musik. Foto dan adegan teks di bawah garis ini tidak akan dimasukkan ke video.</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… dan %n lainnya</numerusform>
        </translation>
    </message>
    <message>
        <source>This was not added:
%1</source>
        <translation>Ini tidak ditambahkan:
%1</translation>
    </message>
    <message>
        <source>These were not added:
%1</source>
        <translation>Ini tidak ditambahkan:
%1</translation>
    </message>
</context>
<context>
    <name>PreviewDialog</name>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pratinjau</translation>
    </message>
    <message>
        <source>Preview of the slideshow</source>
        <translation>Pratinjau tayangan slide</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posisi</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Jeda</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Putar</translation>
    </message>
</context>
<context>
    <name>PrjManager</name>
    <message>
        <source>1 slide of an unknown kind was left out.</source>
        <translation>1 slide berjenis tidak dikenal dilewati.</translation>
    </message>
    <message>
        <source>%1 slides of an unknown kind were left out.</source>
        <translation>%1 slide berjenis tidak dikenal dilewati.</translation>
    </message>
    <message>
        <source>There is no project to save.</source>
        <translation>Tidak ada proyek untuk disimpan.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a project.</source>
        <translation>&quot;%1&quot; bukan proyek.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Folder %1 tidak dapat dibuat.</translation>
    </message>
    <message>
        <source>The project in %1 cannot be read; it is left as it is.</source>
        <translation>Proyek di %1 tidak dapat dibaca; proyek dibiarkan apa adanya.</translation>
    </message>
    <message>
        <source>The project could not be saved in %1.</source>
        <translation>Proyek tidak dapat disimpan di %1.</translation>
    </message>
    <message>
        <source>%1 is neither a project id nor a project folder.</source>
        <translation>%1 bukan ID proyek maupun folder proyek.</translation>
    </message>
    <message>
        <source>There is no project %1 in %2.</source>
        <translation>Tidak ada proyek %1 di %2.</translation>
    </message>
</context>
<context>
    <name>ProjectForm</name>
    <message>
        <source>Resume</source>
        <translation>Lanjutkan</translation>
    </message>
    <message>
        <source>Delete Project</source>
        <translation>Hapus Proyek</translation>
    </message>
    <message>
        <source>Untitled project</source>
        <translation>Proyek tanpa judul</translation>
    </message>
    <message>
        <source>none</source>
        <translation>tidak ada</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Slides</source>
        <translation>Slide</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 is missing.</source>
        <translation>%1 tidak ada.</translation>
    </message>
    <message>
        <source>%1 is not an H.264 video.</source>
        <translation>%1 bukan video H.264.</translation>
    </message>
    <message>
        <source>%1 holds no frames.</source>
        <translation>%1 tidak berisi bingkai apa pun.</translation>
    </message>
</context>
<context>
    <name>RenderProgressForm</name>
    <message>
        <source>Making Video</source>
        <translation>Membuat Video</translation>
    </message>
    <message>
        <source>%1 so far</source>
        <translation>%1 berlalu</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>sisa sekitar %1</translation>
    </message>
</context>
<context>
    <name>RenderWorker</name>
    <message>
        <source>The video cannot be written in %1: %2</source>
        <translation>Video tidak dapat ditulis di %1: %2</translation>
    </message>
    <message>
        <source>%1 appeared during the render and is kept; the new video was not saved.</source>
        <translation>%1 muncul saat video dibuat dan tetap disimpan; video baru tidak disimpan.</translation>
    </message>
    <message>
        <source>The video could not be saved as %1: %2</source>
        <translation>Video tidak dapat disimpan sebagai %1: %2</translation>
    </message>
    <message>
        <source>The unfinished file %1 could not be removed.</source>
        <translation>Berkas yang belum selesai %1 tidak dapat dihapus.</translation>
    </message>
    <message>
        <source>The video is larger than this system allows: a file may hold at most %1 here (%2).</source>
        <translation>Video lebih besar dari yang diizinkan sistem ini: satu berkas di sini paling besar %1 (%2).</translation>
    </message>
    <message>
        <source>The folder %1, or the unfinished video in it, was removed during the render.</source>
        <translation>Folder %1, atau video yang belum selesai di dalamnya, dihapus saat video dibuat.</translation>
    </message>
</context>
<context>
    <name>SelectAudioForm</name>
    <message>
        <source>Your theme</source>
        <translation>Tema Anda</translation>
    </message>
    <message>
        <source>Add Background Music</source>
        <translation>Tambah Musik Latar</translation>
    </message>
    <message>
        <source>Choose Music Files</source>
        <translation>Pilih Berkas Musik</translation>
    </message>
    <message>
        <source>Background Music</source>
        <translation>Musik Latar</translation>
    </message>
    <message>
        <source>Add More Music</source>
        <translation>Tambah Musik Lagi</translation>
    </message>
    <message>
        <source>Skip Audio</source>
        <translation>Lewati Audio</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read as music and was not added.</source>
        <translation>&quot;%1&quot; tidak dapat dibaca sebagai musik dan tidak ditambahkan.</translation>
    </message>
    <message>
        <source>These files cannot be read as music and were not added:
%1</source>
        <translation>Berkas berikut tidak dapat dibaca sebagai musik dan tidak ditambahkan:
%1</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Buka Berkas Audio</translation>
    </message>
    <message>
        <source>(*.mp3 *.m4a)</source>
        <translation>(*.mp3 *.m4a)</translation>
    </message>
    <message>
        <source>cannot be read as music</source>
        <translation>tidak dapat dibaca sebagai musik</translation>
    </message>
    <message>
        <source>MP3 or M4A files play one after another under your slides. Choose them, or drop them here.</source>
        <translation>Berkas MP3 atau M4A diputar berurutan di bawah slide Anda. Pilih, atau jatuhkan di sini.</translation>
    </message>
</context>
<context>
    <name>SelectImagesForm</name>
    <message>
        <source>Add Images</source>
        <translation>Tambah Gambar</translation>
    </message>
    <message>
        <source>Add Folder with Images</source>
        <translation>Tambah Folder Gambar</translation>
    </message>
    <message>
        <source>Add Text Scene</source>
        <translation>Tambah Adegan Teks</translation>
    </message>
    <message>
        <source>Add music</source>
        <translation>Tambah musik</translation>
    </message>
    <message>
        <source>Audio Files</source>
        <translation>berkas audio</translation>
    </message>
    <message>
        <source>Missed image files will be skipped.</source>
        <translation>Berkas gambar yang hilang akan dilewati.</translation>
    </message>
    <message>
        <source>Import Image Files</source>
        <translation>Impor Berkas Gambar</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pratinjau</translation>
    </message>
    <message>
        <source>Add photos and text scenes, or drop photos and folders here: they play in the order you give them.</source>
        <translation>Tambahkan foto dan adegan teks, atau jatuhkan foto dan folder di sini: semuanya diputar sesuai urutan Anda.</translation>
    </message>
</context>
<context>
    <name>SelectThemeForm</name>
    <message>
        <source>My Recent Projects</source>
        <translation>Proyek Terbaru Saya</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>Tampilkan semua</translation>
    </message>
    <message>
        <source>Hide all</source>
        <translation>Sembunyikan semua</translation>
    </message>
    <message>
        <source>Select Theme</source>
        <translation>Pilih Tema</translation>
    </message>
    <message>
        <source>Subscribe for new Themes and Updates</source>
        <translation>Berlangganan tema baru dan pembaruan</translation>
    </message>
    <message>
        <source>Follow us</source>
        <translation>Ikuti kami</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Delete Project</source>
        <translation>Hapus Proyek</translation>
    </message>
    <message>
        <source>The project will be removed from this computer. This cannot be undone.</source>
        <translation>Proyek akan dihapus dari komputer ini. Tindakan ini tidak dapat dibatalkan.</translation>
    </message>
    <message>
        <source>The project could not be deleted.</source>
        <translation>Proyek tidak dapat dihapus.</translation>
    </message>
</context>
<context>
    <name>SettingsForm</name>
    <message>
        <source>Video settings</source>
        <translation>Pengaturan video</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>Kualitas Video</translation>
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
        <translation>Folder Hasil</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Telusuri...</translation>
    </message>
    <message>
        <source>Add Pictavio logo at the end of the video</source>
        <translation>Tambahkan logo Pictavio di akhir video</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pratinjau</translation>
    </message>
</context>
<context>
    <name>SlideForm</name>
    <message>
        <source>Turn left</source>
        <translation>Putar ke kiri</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Putar ke kanan</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>This picture cannot be read; it is left out of the video.</source>
        <translation>Gambar ini tidak dapat dibaca; gambar tidak dimasukkan ke video.</translation>
    </message>
    <message>
        <source>Delete removes the slide; [ and ] turn the picture.</source>
        <translation>Delete menghapus slide; [ dan ] memutar gambar.</translation>
    </message>
    <message>
        <source>Delete removes the slide; Enter edits the text.</source>
        <translation>Delete menghapus slide; Enter mengedit teks.</translation>
    </message>
    <message>
        <source>Ctrl+Left and Ctrl+Right move the slide.</source>
        <translation>Ctrl+Panah Kiri dan Ctrl+Panah Kanan memindahkan slide.</translation>
    </message>
</context>
<context>
    <name>Slideshow</name>
    <message>
        <source>Its theme &quot;%1&quot; cannot be read (%2).</source>
        <translation>Temanya &quot;%1&quot; tidak dapat dibaca (%2).</translation>
    </message>
</context>
<context>
    <name>TextSceneDialog</name>
    <message>
        <source>Text Scene</source>
        <translation>Adegan Teks</translation>
    </message>
    <message>
        <source>Add Text Scene</source>
        <translation>Tambah Adegan Teks</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Selesai</translation>
    </message>
    <message>
        <source>Edit Text Scene</source>
        <translation>Ubah Adegan Teks</translation>
    </message>
    <message>
        <source>Type your text here...</source>
        <translation>Ketik teks Anda di sini...</translation>
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
        <translation>Pilih tema lain</translation>
    </message>
    <message>
        <source>Retry download</source>
        <translation>Coba unduh lagi</translation>
    </message>
    <message>
        <source>Network problem</source>
        <translation>Masalah jaringan</translation>
    </message>
</context>
<context>
    <name>ThemeDownloadErrorForm</name>
    <message>
        <source>We have problem with downloading theme files from internet.</source>
        <translation>Terjadi masalah saat mengunduh berkas tema dari internet.</translation>
    </message>
    <message>
        <source>Please check your internet connection and try again.</source>
        <translation>Periksa koneksi internet Anda dan coba lagi.</translation>
    </message>
    <message>
        <source>If this problem persists, please contact our support at </source>
        <translation>Jika masalah berlanjut, hubungi dukungan kami di </translation>
    </message>
</context>
<context>
    <name>ThemeThumbnailForm</name>
    <message>
        <source>Preview</source>
        <translation>Pratinjau</translation>
    </message>
    <message>
        <source>Use this theme</source>
        <translation>Gunakan tema ini</translation>
    </message>
</context>
<context>
    <name>TmplDownloadManager</name>
    <message>
        <source>The theme could not be read, so its files cannot be fetched.</source>
        <translation>Tema tidak dapat dibaca, sehingga berkasnya tidak dapat diunduh.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 tidak dapat ditulis.</translation>
    </message>
    <message>
        <source>%1 is larger than a theme video can be: %2, at most %3.</source>
        <translation>%1 lebih besar dari batas video tema: %2, paling besar %3.</translation>
    </message>
    <message>
        <source>The disk is full: %1 needs %2, but %3 has only %4 free.</source>
        <translation>Disk penuh: %1 memerlukan %2, tetapi %3 hanya memiliki %4 ruang kosong.</translation>
    </message>
    <message>
        <source>The disk is full: %1 cannot be written.</source>
        <translation>Disk penuh: %1 tidak dapat ditulis.</translation>
    </message>
    <message>
        <source>The server sends %1 too slowly: %2 in the last %3 s, at least %4 a second are needed.</source>
        <translation>Server mengirim %1 terlalu lambat: %2 dalam %3 detik terakhir, padahal diperlukan setidaknya %4 per detik.</translation>
    </message>
    <message>
        <source>The server sends %1 too slowly: %2 of %3 in %4 s.</source>
        <translation>Server mengirim %1 terlalu lambat: %2 dari %3 dalam %4 detik.</translation>
    </message>
    <message>
        <source>The server answered %1 for %2.</source>
        <translation>Server menjawab %1 untuk %2.</translation>
    </message>
    <message>
        <source>%1 arrived incomplete: %2 of %3 bytes.</source>
        <translation>%1 diterima tidak lengkap: %2 dari %3 byte.</translation>
    </message>
    <message>
        <source>Secure connection failed.</source>
        <translation>Koneksi aman gagal.</translation>
    </message>
    <message>
        <source>The server stopped sending %1: nothing came for %2 s.</source>
        <translation>Server berhenti mengirim %1: tidak ada data selama %2 detik.</translation>
    </message>
</context>
<context>
    <name>VideoSettings</name>
    <message>
        <source>No folder was chosen for the video.</source>
        <translation>Belum ada folder yang dipilih untuk video.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Folder %1 tidak dapat dibuat.</translation>
    </message>
    <message>
        <source>The folder %1 does not accept new files.</source>
        <translation>Folder %1 tidak dapat menerima berkas baru.</translation>
    </message>
</context>
</TS>
