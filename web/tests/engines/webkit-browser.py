#!/usr/bin/python3
"""The smallest WebKitGTK browser WebKitWebDriver can drive, for the engine scenarios.

MiniBrowser would do, but in automation mode it keeps no HTTP cache at all (its profile is
ephemeral), so its service worker downloads every file a second time, which no visitor's WebKit
does; and its tool bar keeps the window wider than a phone. This one opens a new profile of its
own, with a disk cache, in a new folder under RUTSCHBILD_WEBKIT_PROFILES, shows the bare page, and
adds the page's console messages to the file named by RUTSCHBILD_WEBKIT_CONSOLE.
"""
import os
import sys
import tempfile

import gi

gi.require_version("Gtk", "3.0")
gi.require_version("WebKit2", "4.1")
from gi.repository import Gtk, WebKit2  # noqa: E402

# The web processes inherit the standard output, where WebKit writes the console.
console = os.open(os.environ["RUTSCHBILD_WEBKIT_CONSOLE"], os.O_WRONLY | os.O_CREAT | os.O_APPEND, 0o644)
os.dup2(console, 1)
os.dup2(console, 2)

profile = tempfile.mkdtemp(dir=os.environ["RUTSCHBILD_WEBKIT_PROFILES"])
manager = WebKit2.WebsiteDataManager(
    base_data_directory=os.path.join(profile, "data"), base_cache_directory=os.path.join(profile, "cache")
)
context = WebKit2.WebContext(website_data_manager=manager)
context.set_automation_allowed(True)
settings = WebKit2.Settings(enable_write_console_messages_to_stdout=True)
windows = []


def create_web_view(session):
    view = WebKit2.WebView(web_context=context, settings=settings, is_controlled_by_automation=True)
    window = Gtk.Window()
    window.add(view)
    view.connect("close", lambda view: window.destroy())
    window.connect("destroy", lambda window: windows.remove(window) or (windows or Gtk.main_quit()))
    windows.append(window)
    window.show_all()
    return view


def automation_started(context, session):
    info = WebKit2.ApplicationInfo()
    info.set_name("rutschbild-webkit")
    info.set_version(1, 0, 0)
    session.set_application_info(info)
    session.connect("create-web-view", create_web_view)


context.connect("automation-started", automation_started)
Gtk.main()
sys.exit(0)
