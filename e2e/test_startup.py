"""Start-up of InstallWizard.exe from the demo package: the tools component,
the manifest and options, the single-instance refusal, the launcher rename,
the VirtualStore clean-up and the plain box when the component is missing.
Every path ends with exit code 0."""
import os
import shutil
import time

import pytest

from test_harness import probe

UNATTENDED = {"BXTOOLS_ANSWERS": ""}


def installer(folder):
    return os.path.join(folder, "InstallWizard.exe")


def test_silent_start_reads_manifest_options_and_renames_the_launcher(prefix, package):
    folder = prefix.install_package(package)
    prefix.run(installer(folder), "/Silent", "/NoRun", "/DistributorID", "Shop 7", env=UNATTENDED,
               timeout=60, check_exit=0)
    log = prefix.log_text()
    assert "Loaded C:\\Package\\Vantune\\BXTools.dll" in log
    # The component is a second module: it found the program through the process's path record.
    assert "Tools: Initialised for C:\\Package\\InstallWizard.exe" in log
    assert "Settings: Product description: C:\\Package\\Install.xml" in log
    assert "Manifest: C:\\Package\\Install.xml" in log
    assert ('Options: Silent=1 Upgrade=0 AllowDowngrade=1 NoAssociations=0 NoDependencies=0 NoUpgrade=0 '
            'NoRun=1 NoDriver=0 DistributorID=""Shop 7""') in log
    assert "Message box" not in log
    always = os.path.join(folder, "System", "Always Overwrite")
    assert sorted(os.listdir(always)) == ["Cantora Launcher.exe"]
    assert "The wizard is not built yet: start-up complete" in log
    assert "Install Wizard ends" in log


def test_second_installer_is_refused_with_a_message(prefix, package, build, tmp_path):
    folder = prefix.install_package(package)
    holder = prefix.start(probe(build), "/holdmutex", "Global\\Brenix Installer", "60000")
    try:
        time.sleep(1.5)
        prefix.run(installer(folder), env={"BXTOOLS_ANSWERS": "OK"}, timeout=60, check_exit=0,
                   wait_server=False)
    finally:
        holder.kill()
        prefix.kill()
    log = prefix.log_text()
    assert ('Message box "Brenix Installer": "Another instance of the Brenix installer is already running on '
            'this system.\\r\\n\\r\\nPlease finish any other Brenix installations and try again." -> OK') in log
    # Refused before the launcher rename.
    assert os.path.exists(os.path.join(folder, "System", "Always Overwrite", "Coravel Launcher.exe"))


@pytest.mark.parametrize("component,error", [
    (None, "Failed to load BXTools"),
    ("fake_bxtools_noexport.dll", "Failed to load BXTools"),
    ("fake_bxtools_wrong_version.dll", "Failed to load BXTools"),
    ("fake_bxtools_init_fails.dll", "The settings store is damaged"),
])
def test_unusable_tools_component_shows_the_plain_critical_error_box(prefix, package, build, component, error):
    folder = prefix.install_package(package)
    target = os.path.join(folder, "Vantune", "BXTools.dll")
    os.remove(target)
    if component:
        shutil.copy(os.path.join(build, "win64", "e2e", "programs", component), target)
    closer = prefix.start(probe(build), "/closebox", "Critical Error", "30000", "C:\\box.txt")
    prefix.run(installer(folder), timeout=60, check_exit=0)
    assert closer.wait(timeout=30) == 0
    text = prefix.read_file("C:\\box.txt")
    assert text == ("The following module has failed to load:\r\nC:\\Package\\InstallWizard.exe\r\n\r\n"
                    "It has reported the following error:\r\n\r\n%s\r\n\r\n"
                    "Please reinstall the latest version of the program." % error)
    # Start-up ended at the box: the launcher was not renamed.
    assert os.path.exists(os.path.join(folder, "System", "Always Overwrite", "Coravel Launcher.exe"))


def test_virtual_store_leftovers_are_removed_only_when_empty(prefix, package):
    folder = prefix.install_package(package)
    base = "HKCU\\Software\\Classes\\VirtualStore\\Machine\\Software"
    prefix.wine("reg", "add", base + "\\Brenix", "/v", "Stale", "/d", "1", "/f")
    prefix.wine("reg", "add", base + "\\Wow6432Node\\Brenix\\Cantora 23", "/v", "Kept", "/d", "1", "/f")
    prefix.run(installer(folder), "/Silent", env=UNATTENDED, timeout=60, check_exit=0)
    keys = prefix.registry("HKCU")
    assert "software\\classes\\virtualstore\\machine\\software\\brenix" not in keys
    # A key with sub-keys survives the non-recursive deletion.
    assert "software\\classes\\virtualstore\\machine\\software\\wow6432node\\brenix\\cantora 23" in keys
