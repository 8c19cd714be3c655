/* The product web site: its name as the program shows it and the address it opens. Plain
   macros, so that the resource script can use them too. */
#ifndef GLIMMERJAR_WEB_SITE_H
#define GLIMMERJAR_WEB_SITE_H

#define GLIMMERJAR_WEB_SITE_NAME "glimmerjar.app"
#define GLIMMERJAR_WEB_SITE_ADDRESS "https://glimmerjar.app/"

#endif
