# language: es
Ejemplos:
Escenario:
* x
Entonces x
En la tienda
E
e minúscula
