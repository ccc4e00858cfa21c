<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
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
    <message>
        <source>%1 could not be opened.</source>
        <translation>%1 tidak dapat dibuka.</translation>
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
        <source>The theme &quot;%1&quot; cannot be read. Please choose another theme.</source>
        <translation>Tema &quot;%1&quot; tidak dapat dibaca. Silakan pilih tema lain.</translation>
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
    <name>RenderProgressForm</name>
    <message>
        <source>Making Video</source>
        <translation>Membuat Video</translation>
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
        <translation>Tema Anda</translation>
    </message>
    <message>
        <source>Add Background Music</source>
        <translation>Tambah Musik Latar</translation>
    </message>
    <message>
        <source>MP3 or M4A files play one after another under your slides.</source>
        <translation>Berkas MP3 atau M4A diputar berurutan di bawah slide Anda.</translation>
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
        <source>Add photos and text scenes: they play in the order you give them here.</source>
        <translation>Tambahkan foto dan adegan teks: semuanya diputar sesuai urutan di sini.</translation>
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
</TS>
