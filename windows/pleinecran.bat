@rem Starts LUMOR in full screen, from this folder, where it finds its pictures.
@cd /d "%~dp0" && start "" lumor5.exe --fullscreen
