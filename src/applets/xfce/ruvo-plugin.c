/* SPDX-License-Identifier: GPL-3.0-or-later */
/* Ruvo's clock in Xfce's panel: the text the program publishes on D-Bus
 * (io.github.ruvo.Panel1 at /io/github/ruvo/Ruvo/Panel), drawn as a label in the panel's own
 * style. The text arrives with the TextChanged signal, so the plugin wakes only when it
 * changes. A click opens Ruvo's menu window under the plugin, a right click the item's menu
 * (Ctrl + right click leaves it to the panel's own menu). Without Ruvo on the bus the label
 * says so, and a click starts it. */
#include <gio/gio.h>
#include <glib/gi18n-lib.h>
#include <gtk/gtk.h>
#include <libxfce4panel/libxfce4panel.h>

#define RUVO_SERVICE "io.github.ruvo.Ruvo"
#define RUVO_PANEL_PATH "/io/github/ruvo/Ruvo/Panel"
#define RUVO_PANEL_INTERFACE "io.github.ruvo.Panel1"

typedef struct {
    XfcePanelPlugin* plugin;
    GtkWidget* button;
    GtkWidget* label;
    GDBusConnection* bus; /* set while Ruvo owns its name */
    GCancellable* cancellable;
    guint watch;
    guint subscription;
    guint32 serial;
} RuvoPlugin;

static void ruvo_show(RuvoPlugin* ruvo, const gchar* text, const gchar* tool_tip,
                      const gchar* colour) {
    PangoAttrList* attributes = pango_attr_list_new();
    PangoColor parsed;
    /* Empty: the panel's own text colour. */
    if (colour != NULL && *colour != '\0' && pango_color_parse(&parsed, colour))
        pango_attr_list_insert(attributes,
                               pango_attr_foreground_new(parsed.red, parsed.green, parsed.blue));
    gtk_label_set_attributes(GTK_LABEL(ruvo->label), attributes);
    pango_attr_list_unref(attributes);
    gtk_label_set_text(GTK_LABEL(ruvo->label), text);
    gtk_widget_set_tooltip_text(ruvo->button,
                                tool_tip != NULL && *tool_tip != '\0' ? tool_tip : NULL);
    /* A hidden item (the user switched it off in Ruvo) takes no room in the panel. */
    gtk_widget_set_visible(ruvo->button, *text != '\0' || ruvo->bus == NULL);
}

static void ruvo_show_absent(RuvoPlugin* ruvo) {
    ruvo_show(ruvo, _("Ruvo is not running"), _("Click to start Ruvo"), NULL);
}

/* Content and TextChanged both carry (text, tool tip, colour, serial). */
static void ruvo_take(RuvoPlugin* ruvo, GVariant* content) {
    const gchar *text, *tool_tip, *colour;
    guint32 serial;
    if (!g_variant_is_of_type(content, G_VARIANT_TYPE("(sssu)")))
        return;
    g_variant_get(content, "(&s&s&su)", &text, &tool_tip, &colour, &serial);
    ruvo->serial = serial;
    ruvo_show(ruvo, text, tool_tip, colour);
}

static void ruvo_on_text_changed(GDBusConnection* bus, const gchar* sender, const gchar* path,
                                 const gchar* interface, const gchar* signal, GVariant* parameters,
                                 gpointer data) {
    (void)bus, (void)sender, (void)path, (void)interface, (void)signal;
    ruvo_take(data, parameters);
}

static void ruvo_on_content(GObject* source, GAsyncResult* result, gpointer data) {
    GError* error = NULL;
    GVariant* content = g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), result, &error);
    if (content == NULL) {
        /* Cancelled: the plugin is gone, `data` with it. */
        if (!g_error_matches(error, G_IO_ERROR, G_IO_ERROR_CANCELLED))
            g_warning("ruvo: no panel text from Ruvo: %s", error->message);
        g_error_free(error);
        return;
    }
    ruvo_take(data, content);
    g_variant_unref(content);
}

static void ruvo_on_appeared(GDBusConnection* bus, const gchar* name, const gchar* owner,
                             gpointer data) {
    RuvoPlugin* ruvo = data;
    (void)name;
    ruvo->bus = g_object_ref(bus);
    ruvo->subscription = g_dbus_connection_signal_subscribe(
        bus, owner, RUVO_PANEL_INTERFACE, "TextChanged", RUVO_PANEL_PATH, NULL,
        G_DBUS_SIGNAL_FLAGS_NONE, ruvo_on_text_changed, ruvo, NULL);
    g_dbus_connection_call(bus, RUVO_SERVICE, RUVO_PANEL_PATH, RUVO_PANEL_INTERFACE, "Content",
                           NULL, G_VARIANT_TYPE("(sssu)"), G_DBUS_CALL_FLAGS_NONE, -1,
                           ruvo->cancellable, ruvo_on_content, ruvo);
}

static void ruvo_forget_bus(RuvoPlugin* ruvo) {
    if (ruvo->bus == NULL)
        return;
    g_dbus_connection_signal_unsubscribe(ruvo->bus, ruvo->subscription);
    g_clear_object(&ruvo->bus);
}

static void ruvo_on_vanished(GDBusConnection* bus, const gchar* name, gpointer data) {
    (void)bus, (void)name;
    ruvo_forget_bus(data);
    ruvo_show_absent(data);
}

/* The point the menu goes under: the middle of the plugin's edge that faces the screen. */
static void ruvo_anchor(RuvoPlugin* ruvo, gint* x, gint* y) {
    GtkAllocation box;
    gint origin_x = 0, origin_y = 0;
    gtk_widget_get_allocation(ruvo->button, &box);
    gdk_window_get_origin(gtk_widget_get_window(ruvo->button), &origin_x, &origin_y);
    if (!gtk_widget_get_has_window(ruvo->button)) {
        origin_x += box.x;
        origin_y += box.y;
    }
    *x = origin_x + box.width / 2;
    *y = origin_y + box.height;
    if (xfce_screen_position_is_bottom(xfce_panel_plugin_get_screen_position(ruvo->plugin)))
        *y = origin_y;
}

static void ruvo_send(RuvoPlugin* ruvo, const gchar* method) {
    gint x, y;
    ruvo_anchor(ruvo, &x, &y);
    g_dbus_connection_call(ruvo->bus, RUVO_SERVICE, RUVO_PANEL_PATH, RUVO_PANEL_INTERFACE, method,
                           g_variant_new("(ii)", x, y), NULL, G_DBUS_CALL_FLAGS_NONE, -1, NULL,
                           NULL, NULL);
}

static void ruvo_start(void) {
    GError* error = NULL;
    if (!g_spawn_command_line_async("ruvo", &error)) {
        g_warning("ruvo: cannot start Ruvo: %s", error->message);
        g_error_free(error);
    }
}

static gboolean ruvo_on_press(GtkWidget* button, GdkEventButton* event, gpointer data) {
    RuvoPlugin* ruvo = data;
    (void)button;
    if (event->type != GDK_BUTTON_PRESS)
        return TRUE; /* the second press of a double click: one toggle is enough */
    if (event->button == 3 && (event->state & GDK_CONTROL_MASK))
        return FALSE; /* the panel's own menu */
    if (event->button != 1 && event->button != 3)
        return FALSE;
    if (ruvo->bus == NULL)
        ruvo_start();
    else
        ruvo_send(ruvo, event->button == 1 ? "Activate" : "ContextMenu");
    return TRUE;
}

static gboolean ruvo_on_size_changed(XfcePanelPlugin* plugin, gint size, gpointer data) {
    RuvoPlugin* ruvo = data;
    if (xfce_panel_plugin_get_orientation(plugin) == GTK_ORIENTATION_HORIZONTAL)
        gtk_widget_set_size_request(ruvo->button, -1, size);
    else
        gtk_widget_set_size_request(ruvo->button, size, -1);
    return TRUE;
}

static void ruvo_on_free(XfcePanelPlugin* plugin, gpointer data) {
    RuvoPlugin* ruvo = data;
    (void)plugin;
    g_cancellable_cancel(ruvo->cancellable);
    g_object_unref(ruvo->cancellable);
    g_bus_unwatch_name(ruvo->watch);
    ruvo_forget_bus(ruvo);
    g_slice_free(RuvoPlugin, ruvo);
}

static void ruvo_construct(XfcePanelPlugin* plugin) {
    RuvoPlugin* ruvo = g_slice_new0(RuvoPlugin);
    ruvo->plugin = plugin;
    ruvo->cancellable = g_cancellable_new();
    ruvo->button = xfce_panel_create_button();
    ruvo->label = gtk_label_new(NULL);
    gtk_container_add(GTK_CONTAINER(ruvo->button), ruvo->label);
    gtk_container_add(GTK_CONTAINER(plugin), ruvo->button);
    gtk_widget_show_all(ruvo->button);
    xfce_panel_plugin_set_small(plugin, TRUE);
    g_signal_connect(ruvo->button, "button-press-event", G_CALLBACK(ruvo_on_press), ruvo);
    g_signal_connect(plugin, "size-changed", G_CALLBACK(ruvo_on_size_changed), ruvo);
    g_signal_connect(plugin, "free-data", G_CALLBACK(ruvo_on_free), ruvo);
    ruvo_show_absent(ruvo);
    ruvo->watch = g_bus_watch_name(G_BUS_TYPE_SESSION, RUVO_SERVICE, G_BUS_NAME_WATCHER_FLAGS_NONE,
                                   ruvo_on_appeared, ruvo_on_vanished, ruvo, NULL);
}

XFCE_PANEL_PLUGIN_REGISTER(ruvo_construct)
