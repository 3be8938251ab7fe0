#language:no-such
Fonctionnalité: x
  bad line
