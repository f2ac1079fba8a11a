/* SPDX-License-Identifier: GPL-3.0-or-later */
/* Ruvo's clock in Xfce's panel: the text the program publishes on D-Bus
 * (io.github.ruvo.Panel1 at /io/github/ruvo/Ruvo/Panel), drawn as a label in the panel's own
 * style, with the chosen icon before it. The text arrives with the TextChanged signal and the
 * icon with IconChanged, so the plugin wakes only when they change. The icon comes as a white
 * mask that the plugin tints in the label's colour, as the panel's own symbolic icons are. A click opens Ruvo's menu window under the plugin, a right click the item's menu
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
    GtkWidget* image;
    GtkWidget* label;
    GdkPixbuf* mask; /* the icon as Ruvo sent it; NULL without one */
    GdkRGBA colour;  /* the user's text colour, when has_colour */
    gboolean has_colour;
    GDBusConnection* bus; /* set while Ruvo owns its name */
    GCancellable* cancellable;
    guint watch;
    guint subscription;
    guint icon_subscription;
    guint32 serial;
} RuvoPlugin;

static void ruvo_draw_icon(RuvoPlugin* ruvo);

static void ruvo_show(RuvoPlugin* ruvo, const gchar* text, const gchar* tool_tip,
                      const gchar* colour) {
    PangoAttrList* attributes = pango_attr_list_new();
    PangoColor parsed;
    /* Empty: the panel's own text colour. */
    if (colour != NULL && *colour != '\0' && pango_color_parse(&parsed, colour))
        pango_attr_list_insert(attributes,
                               pango_attr_foreground_new(parsed.red, parsed.green, parsed.blue));
    ruvo->has_colour = colour != NULL && *colour != '\0' && gdk_rgba_parse(&ruvo->colour, colour);
    gtk_label_set_attributes(GTK_LABEL(ruvo->label), attributes);
    pango_attr_list_unref(attributes);
    gtk_label_set_text(GTK_LABEL(ruvo->label), text);
    gtk_widget_set_tooltip_text(ruvo->button,
                                tool_tip != NULL && *tool_tip != '\0' ? tool_tip : NULL);
    /* A hidden item (the user switched it off in Ruvo) takes no room in the panel. */
    gtk_widget_set_visible(ruvo->button, *text != '\0' || ruvo->bus == NULL);
    /* The user's colour for the text is the icon's too. */
    ruvo_draw_icon(ruvo);
}

/* The mask in the label's colour, as tall as the panel's icons (Ruvo's picture is 22 points
 * high for a 16-point icon, drawn at twice that). */
static void ruvo_draw_icon(RuvoPlugin* ruvo) {
    GdkRGBA colour;
    GdkPixbuf* tinted;
    gint height, width, size, rows, x, y, stride, channels;
    guchar* pixels;
    if (ruvo->mask == NULL) {
        gtk_widget_hide(ruvo->image);
        return;
    }
    if (ruvo->has_colour)
        colour = ruvo->colour;
    else
        gtk_style_context_get_color(gtk_widget_get_style_context(ruvo->label),
                                    gtk_widget_get_state_flags(ruvo->label), &colour);
    rows = xfce_panel_plugin_get_nrows(ruvo->plugin);
    size = xfce_panel_plugin_get_size(ruvo->plugin) / (rows > 0 ? rows : 1);
    height = MIN(size - 2, xfce_panel_plugin_get_icon_size(ruvo->plugin) * 22 / 16);
    height = MAX(height, 8);
    width = MAX(1, gdk_pixbuf_get_width(ruvo->mask) * height / gdk_pixbuf_get_height(ruvo->mask));
    tinted = gdk_pixbuf_scale_simple(ruvo->mask, width, height, GDK_INTERP_BILINEAR);
    if (tinted == NULL || !gdk_pixbuf_get_has_alpha(tinted)) {
        g_clear_object(&tinted);
        gtk_widget_hide(ruvo->image);
        return;
    }
    pixels = gdk_pixbuf_get_pixels(tinted);
    stride = gdk_pixbuf_get_rowstride(tinted);
    channels = gdk_pixbuf_get_n_channels(tinted);
    for (y = 0; y < height; ++y)
        for (x = 0; x < width; ++x) {
            guchar* p = pixels + y * stride + x * channels;
            p[0] = (guchar)(colour.red * 255);
            p[1] = (guchar)(colour.green * 255);
            p[2] = (guchar)(colour.blue * 255);
            p[3] = (guchar)(p[3] * colour.alpha);
        }
    gtk_image_set_from_pixbuf(GTK_IMAGE(ruvo->image), tinted);
    g_object_unref(tinted);
    gtk_widget_show(ruvo->image);
}

/* Icon and IconChanged carry (name, PNG, serial); an empty PNG takes the icon away. */
static void ruvo_take_icon(RuvoPlugin* ruvo, GVariant* icon) {
    GVariant* bytes;
    gconstpointer data;
    gsize length = 0;
    GInputStream* stream;
    if (!g_variant_is_of_type(icon, G_VARIANT_TYPE("(sayu)")))
        return;
    g_clear_object(&ruvo->mask);
    bytes = g_variant_get_child_value(icon, 1);
    data = g_variant_get_fixed_array(bytes, &length, 1);
    if (length > 0) {
        stream = g_memory_input_stream_new_from_data(data, (gssize)length, NULL);
        ruvo->mask = gdk_pixbuf_new_from_stream(stream, NULL, NULL);
        g_object_unref(stream);
    }
    g_variant_unref(bytes);
    ruvo_draw_icon(ruvo);
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

static void ruvo_on_icon_changed(GDBusConnection* bus, const gchar* sender, const gchar* path,
                                 const gchar* interface, const gchar* signal, GVariant* parameters,
                                 gpointer data) {
    (void)bus, (void)sender, (void)path, (void)interface, (void)signal;
    ruvo_take_icon(data, parameters);
}

/* A Ruvo without icons answers Icon with an error: the plugin then shows the text alone. */
static void ruvo_on_icon(GObject* source, GAsyncResult* result, gpointer data) {
    GVariant* icon = g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), result, NULL);
    if (icon == NULL)
        return;
    ruvo_take_icon(data, icon);
    g_variant_unref(icon);
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
    ruvo->icon_subscription = g_dbus_connection_signal_subscribe(
        bus, owner, RUVO_PANEL_INTERFACE, "IconChanged", RUVO_PANEL_PATH, NULL,
        G_DBUS_SIGNAL_FLAGS_NONE, ruvo_on_icon_changed, ruvo, NULL);
    g_dbus_connection_call(bus, RUVO_SERVICE, RUVO_PANEL_PATH, RUVO_PANEL_INTERFACE, "Content",
                           NULL, G_VARIANT_TYPE("(sssu)"), G_DBUS_CALL_FLAGS_NONE, -1,
                           ruvo->cancellable, ruvo_on_content, ruvo);
    g_dbus_connection_call(bus, RUVO_SERVICE, RUVO_PANEL_PATH, RUVO_PANEL_INTERFACE, "Icon", NULL,
                           G_VARIANT_TYPE("(sayu)"), G_DBUS_CALL_FLAGS_NONE, -1,
                           ruvo->cancellable, ruvo_on_icon, ruvo);
}

static void ruvo_forget_bus(RuvoPlugin* ruvo) {
    if (ruvo->bus == NULL)
        return;
    g_dbus_connection_signal_unsubscribe(ruvo->bus, ruvo->subscription);
    g_dbus_connection_signal_unsubscribe(ruvo->bus, ruvo->icon_subscription);
    g_clear_object(&ruvo->bus);
    g_clear_object(&ruvo->mask);
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
    ruvo_draw_icon(ruvo);
    return TRUE;
}

/* The panel's theme or dark mode changed: the icon follows the label's new colour. */
static void ruvo_on_style_updated(GtkWidget* label, gpointer data) {
    (void)label;
    ruvo_draw_icon(data);
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
    GtkWidget* box;
    ruvo->plugin = plugin;
    ruvo->cancellable = g_cancellable_new();
    ruvo->button = xfce_panel_create_button();
    box = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 4);
    ruvo->image = gtk_image_new();
    ruvo->label = gtk_label_new(NULL);
    gtk_box_pack_start(GTK_BOX(box), ruvo->image, FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(box), ruvo->label, FALSE, FALSE, 0);
    gtk_container_add(GTK_CONTAINER(ruvo->button), box);
    gtk_container_add(GTK_CONTAINER(plugin), ruvo->button);
    gtk_widget_show_all(ruvo->button);
    gtk_widget_hide(ruvo->image);
    g_signal_connect(ruvo->label, "style-updated", G_CALLBACK(ruvo_on_style_updated), ruvo);
    xfce_panel_plugin_set_small(plugin, TRUE);
    g_signal_connect(ruvo->button, "button-press-event", G_CALLBACK(ruvo_on_press), ruvo);
    g_signal_connect(plugin, "size-changed", G_CALLBACK(ruvo_on_size_changed), ruvo);
    g_signal_connect(plugin, "free-data", G_CALLBACK(ruvo_on_free), ruvo);
    ruvo_show_absent(ruvo);
    ruvo->watch = g_bus_watch_name(G_BUS_TYPE_SESSION, RUVO_SERVICE, G_BUS_NAME_WATCHER_FLAGS_NONE,
                                   ruvo_on_appeared, ruvo_on_vanished, ruvo, NULL);
}

XFCE_PANEL_PLUGIN_REGISTER(ruvo_construct)
