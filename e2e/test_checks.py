"""Prerequisite checks of InstallWizard.exe from the demo package: a running
copy of the product (the Cantora.exe stand-in) is closed without a question
in a silent run, a user who keeps it ends setup, and the rights probe leaves
nothing in HKLM."""
import os
import time

UNATTENDED = {"BXTOOLS_ANSWERS": ""}
JOURNAL = "C:\\journal.txt"
QUESTION = ('Message box "Cantora 23 Media Suite Open": "Install Wizard has detected a running copy of Cantora 23 '
            'Media Suite.\\r\\n\\r\\nDo you want Install Wizard to close Cantora 23 Media Suite and continue setup?"')


def installer(folder):
    return os.path.join(folder, "InstallWizard.exe")


def start_product(prefix, build):
    """Starts the product stand-in and waits until its window is up."""
    product = prefix.start(os.path.join(build, "win64", "platform", "product", "Cantora.exe"),
                           env={"BX_PRODUCT_JOURNAL": JOURNAL})
    journal = prefix.unix_path(JOURNAL)
    deadline = time.monotonic() + 30
    while not (os.path.exists(journal) and "Cantora.exe" in open(journal, encoding="utf-8").read()):
        assert time.monotonic() < deadline, "the product stand-in did not start"
        time.sleep(0.2)
    # The journal line comes before the window is created, which on a loaded
    # machine can take a while.
    time.sleep(3.0)
    return product


def test_silent_run_closes_the_running_product_without_a_question(prefix, package, build):
    folder = prefix.install_package(package)
    product = start_product(prefix, build)
    prefix.run(installer(folder), "/Silent", env=UNATTENDED, timeout=90, check_exit=0)
    assert product.wait(timeout=30) == 0
    log = prefix.log_text()
    assert "Running copy of Cantora 23 Media Suite found" in log
    assert "Running copy: close request delivered" in log
    assert "Message box" not in log
    assert "The wizard is not built yet: start-up complete" in log
    # The rights probe ran and took its key away again.
    assert "Rights check: the machine registry is writable" in log
    machine = prefix.registry("HKLM")
    assert "software\\brenix" in machine
    assert not any(key.startswith("software\\brenix\\rights check") for key in machine)
    assert not any(name.startswith("rights check") for name in machine["software\\brenix"])


def test_user_who_keeps_the_product_running_ends_setup(prefix, package, build):
    folder = prefix.install_package(package)
    product = start_product(prefix, build)
    try:
        prefix.run(installer(folder), env={"BXTOOLS_ANSWERS": "No"}, timeout=90, check_exit=0, wait_server=False)
        assert product.poll() is None, "the product was closed although the user said No"
    finally:
        prefix.kill()
        product.wait(timeout=30)
    log = prefix.log_text()
    assert QUESTION + " -> No" in log
    assert log.count("Message box") == 1
    assert "Running copy: the user chose not to close it" in log
    assert "The wizard is not built yet" not in log
    assert "Install Wizard ends" in log
